#pragma once

#include <array>

#include "message_presenter.hpp"
#include "ui/form.hpp"

class QLineEdit;
class QRadioButton;
class QWidget;

namespace varnok::window {

// The calculation's view of the window: its text boxes, option buttons and message presenter.
class WidgetForm : public Form {
 public:
  WidgetForm(QWidget& window, MessagePresenter& presenter);

  void addField(Field field, QLineEdit& edit);
  void addOption(Option option, QRadioButton& button);

  std::string text(Field field) const override;
  void setText(Field field, std::string_view text) override;
  bool isSelected(Option option) const override;
  void showMessage(std::string_view message) override;

 private:
  QLineEdit& edit(Field field) const;

  QWidget& window_;
  MessagePresenter& presenter_;
  std::array<QLineEdit*, 18> fields_{};  // by the field's number
  std::array<QRadioButton*, 5> options_{};
};

}  // namespace varnok::window
