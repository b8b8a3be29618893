#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calculator_window.hpp"
#include "soak_driver.hpp"
#include "soak_presenter.hpp"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace varnok::soak {

// The real window, shown on the current Qt platform: each input is set on its text box, and one
// run in typeEvery types its inputs key by key instead; the category's option button and
// Command1 are clicked with the mouse. After each run the window's pending events are handled,
// its repaints and deferred deletions among them, as the application's event loop would.
class WindowSubject : public Subject {
 public:
  WindowSubject(int realBoxEvery, int typeEvery);

  void enter(Field field, std::string_view text) override;
  void choose(Option option) override;
  void calculate() override;
  std::string shown(Field field) const override;
  std::string takeMessages() override;

  int realBoxes() const { return presenter_->realBoxes(); }

 private:
  QLineEdit& edit(Field field) const;

  SoakPresenter* presenter_;  // owned by the window
  window::CalculatorWindow window_;
  int typeEvery_;
  int run_ = 0;
  std::array<QLineEdit*, 18> fields_{};  // by the field's number
  std::array<QRadioButton*, 5> options_{};
  QPushButton* command_;
};

}  // namespace varnok::soak
