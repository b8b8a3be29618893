#pragma once

#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>

#include "calculator_window.hpp"
#include "modal_watchdog.hpp"
#include "recording_presenter.hpp"

// The window as a user sees it, on the offscreen platform, with messages recorded instead of
// shown: its layout and looks (window_layout_test.cpp) and its runs (window_run_test.cpp).
using Texts = QList<std::pair<QString, QString>>;

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void freshWindowShowsTheStartTexts();
  void everyControlSitsAtItsTwips_data();
  void everyControlSitsAtItsTwips();
  void tabVisitsTheControlsInOrder();
  void resizingMovesNothing();
  void backgroundIsBlueHillsFromTheTopLeftCorner();
  void controlsHaveTheirLooks();
  void captionsUseKaiTiAndFitTheirLabels();
  void fieldsAreNamedByTheirCaptions();

  void validExampleShowsItsSixResults();
  void failureShowsTheMessageOverThePreviousResultsThenClears();
  void supportRatioOutOfRangeDoesNotReadTheShortSide();
  void textTypedIntoResultsHasNoEffect();
  void optionThreeComputesWithCategoryC();
  void decimalSeparatorComesFromTheWindow();
  void decimalSeparatorFollowsTheSystemLocale_data();
  void decimalSeparatorFollowsTheSystemLocale();
  void runUnderTheSystemLocale();
  void messageBoxIsModalWithOneOkButtonAndNoIcon();
  void screenshotAfterACompletedRun();

 private:
  void openWindow(const QString& decimalSeparator);
  void openWindowWithTheSystemSeparator();
  void showWindow(std::unique_ptr<varnok::window::CalculatorWindow> window);
  QLineEdit& edit(const QString& name) const;
  void type(const Texts& texts) const;
  void click() const;

  std::unique_ptr<varnok::window::CalculatorWindow> window_;
  varnok::testing::RecordingPresenter* presenter_ = nullptr;
  varnok::testing::ModalWatchdog watchdog_;
};
