#include "window_test.hpp"

#include <QPushButton>
#include <QTest>

using varnok::testing::RecordingPresenter;
using varnok::window::CalculatorWindow;

void WindowTest::openWindow(const QString& decimalSeparator) {
  auto presenter = std::make_unique<RecordingPresenter>();
  presenter_ = presenter.get();
  showWindow(std::make_unique<CalculatorWindow>(std::move(presenter), decimalSeparator));
}

// The window as the program opens it, with the separator of the system locale.
void WindowTest::openWindowWithTheSystemSeparator() {
  auto presenter = std::make_unique<RecordingPresenter>();
  presenter_ = presenter.get();
  showWindow(std::make_unique<CalculatorWindow>(std::move(presenter)));
}

void WindowTest::showWindow(std::unique_ptr<CalculatorWindow> window) {
  window_ = std::move(window);
  window_->show();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void WindowTest::init() {
  watchdog_.arm();
  openWindow(".");
}

void WindowTest::cleanup() {
  watchdog_.disarm();
  window_.reset();
  QVERIFY2(watchdog_.caught().isEmpty(), qPrintable("unexpected dialog " + watchdog_.caught()));
}

QLineEdit& WindowTest::edit(const QString& name) const {
  auto* found = window_->findChild<QLineEdit*>(name);
  if (found == nullptr) {
    qFatal("no text box %s", qPrintable(name));
  }
  return *found;
}

// Types each text into its field as a user would, replacing what was there.
void WindowTest::type(const Texts& texts) const {
  for (const auto& [name, text] : texts) {
    QLineEdit& field = edit(name);
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, text);
  }
}

void WindowTest::click() const {
  QTest::mouseClick(window_->findChild<QPushButton*>("Command1"), Qt::LeftButton);
}

QTEST_MAIN(WindowTest)
