#pragma once

#include <QLocale>
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <string>

#include "message_presenter.hpp"
#include "widget_form.hpp"

namespace varnok::window {

// Form1: the inputs, the terrain category, the Calculate button and the results, each control at
// its fixed place over a picture of blue hills. Resizing moves nothing.
class CalculatorWindow : public QWidget {
 public:
  explicit CalculatorWindow(
      std::unique_ptr<MessagePresenter> presenter = std::make_unique<MessageBoxPresenter>(),
      const QString& decimalSeparator = QLocale::system().decimalPoint());

  // One calculation run, as a click on Command1 starts it.
  void calculate();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void addLabels();
  void addFields();
  void addOptions();
  void setTabOrder();

  std::unique_ptr<MessagePresenter> presenter_;
  std::string decimalSeparator_;
  WidgetForm form_;
  QPixmap background_;
};

}  // namespace varnok::window
