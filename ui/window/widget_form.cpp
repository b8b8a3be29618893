#include "widget_form.hpp"

#include <QLineEdit>
#include <QRadioButton>

namespace varnok::window {
namespace {

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

WidgetForm::WidgetForm(QWidget& window, MessagePresenter& presenter)
    : window_(window), presenter_(presenter) {}

void WidgetForm::addField(Field field, QLineEdit& edit) {
  fields_.at(static_cast<std::size_t>(field)) = &edit;
}

void WidgetForm::addOption(Option option, QRadioButton& button) {
  options_.at(static_cast<std::size_t>(option)) = &button;
}

QLineEdit& WidgetForm::edit(Field field) const {
  return *fields_.at(static_cast<std::size_t>(field));
}

std::string WidgetForm::text(Field field) const {
  return edit(field).text().toStdString();
}

void WidgetForm::setText(Field field, std::string_view text) {
  QLineEdit& box = edit(field);
  box.setText(fromUtf8(text));
  // A result wider than its box is read from its first digit, not scrolled to its end.
  box.setCursorPosition(0);
}

bool WidgetForm::isSelected(Option option) const {
  return options_.at(static_cast<std::size_t>(option))->isChecked();
}

void WidgetForm::showMessage(std::string_view message) {
  presenter_.present(window_, fromUtf8(message));
}

}  // namespace varnok::window
