#include "window_subject.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

namespace varnok::soak {
namespace {

template <typename Control, typename Name>
Control* find(const QWidget& window, Name name) {
  auto* control = window.findChild<Control*>(QString::fromStdString(std::string(name)));
  if (control == nullptr) {
    qFatal("the window has no control %s", std::string(name).c_str());
  }
  return control;
}

void handlePendingEvents() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

WindowSubject::WindowSubject(int realBoxEvery, int typeEvery)
    : presenter_(new SoakPresenter(realBoxEvery)),
      window_(std::unique_ptr<window::MessagePresenter>(presenter_), QStringLiteral(".")),
      typeEvery_(typeEvery) {
  for (Field field : inputFields) {
    fields_.at(static_cast<std::size_t>(field)) = find<QLineEdit>(window_, fieldName(field));
  }
  for (Field field : resultFields) {
    fields_.at(static_cast<std::size_t>(field)) = find<QLineEdit>(window_, fieldName(field));
  }
  for (Option option : {Option::Option1, Option::Option2, Option::Option3, Option::Option4}) {
    options_.at(static_cast<std::size_t>(option)) = find<QRadioButton>(window_, optionName(option));
  }
  command_ = find<QPushButton>(window_, "Command1");
  window_.show();
  handlePendingEvents();
}

QLineEdit& WindowSubject::edit(Field field) const {
  return *fields_.at(static_cast<std::size_t>(field));
}

void WindowSubject::enter(Field field, std::string_view text) {
  QLineEdit& box = edit(field);
  const QString typed = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (run_ % typeEvery_ != 0) {
    box.setText(typed);
    return;
  }
  box.setFocus();
  box.selectAll();
  QTest::keyClick(&box, Qt::Key_Delete);
  QTest::keyClicks(&box, typed);
}

void WindowSubject::choose(Option option) {
  QRadioButton& button = *options_.at(static_cast<std::size_t>(option));
  QTest::mouseClick(&button, Qt::LeftButton, {}, button.rect().center());
}

void WindowSubject::calculate() {
  QTest::mouseClick(command_, Qt::LeftButton);
  handlePendingEvents();
  ++run_;
}

std::string WindowSubject::shown(Field field) const {
  return edit(field).text().toStdString();
}

std::string WindowSubject::takeMessages() {
  return presenter_->takeMessages().toStdString();
}

}  // namespace varnok::soak
