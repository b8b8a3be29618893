#include "modal_watchdog.hpp"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace varnok::testing {

ModalWatchdog::ModalWatchdog() {
  timer_.setInterval(100);
  QObject::connect(&timer_, &QTimer::timeout, [this] { check(); });
}

void ModalWatchdog::arm() {
  caught_.clear();
  timer_.start();
}

void ModalWatchdog::disarm() {
  timer_.stop();
}

void ModalWatchdog::check() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) {
    return;
  }
  const auto* box = qobject_cast<QMessageBox*>(modal);
  caught_ =
      modal->windowTitle() + QStringLiteral(": ") + (box != nullptr ? box->text() : QString());
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
}

}  // namespace varnok::testing
