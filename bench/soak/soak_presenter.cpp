#include "soak_presenter.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace varnok::soak {

void SoakPresenter::present(QWidget& parent, const QString& message) {
  if (++presented_ % realBoxEvery_ != 0) {
    messages_ << message;
    return;
  }
  ++realBoxes_;
  // The timer fires inside the box's own event loop, once exec() has shown it.
  QTimer::singleShot(0, [this] { dismissWhenShown(); });
  window::MessageBoxPresenter().present(parent, message);
}

void SoakPresenter::dismissWhenShown() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  QAbstractButton* ok = box != nullptr ? box->button(QMessageBox::Ok) : nullptr;
  if (ok == nullptr) {
    QTimer::singleShot(1, [this] { dismissWhenShown(); });
    return;
  }
  messages_ << box->text();
  QTest::mouseClick(ok, Qt::LeftButton);
}

QString SoakPresenter::takeMessages() {
  QString joined = messages_.join(QLatin1Char('\n'));
  messages_.clear();
  return joined;
}

}  // namespace varnok::soak
