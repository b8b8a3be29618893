#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "tests/support/recording_form.hpp"
#include "ui/calculation_run.hpp"
#include "window_test.hpp"

using varnok::testing::resultTexts;

namespace {

// Category A, z = 10, w0 = 0.3: inside both tables, the wind load floored to 1.
const Texts validExample{{"Text1", "10"},  {"Text2", "0.3"},  {"Text3", "1.2"}, {"Text6", "0"},
                         {"Text7", "5"},   {"Text8", "0.08"}, {"Text4", "10"},  {"Text9", "1000"},
                         {"Text5", "100"}, {"Text10", "1000"}};
const QStringList validResults{"1", "1.4", "3.5375", "11.4716", "玻璃刚度合格，挠度≤", "10"};
const QStringList emptyResults{"", "", "", "", "", ""};

const QString inputError = "温馨提示：参数输入有误或参数输入不全。";
const QString supportRatioMessage = "温馨提示：玻璃支撑孔边尺寸超出范围，无法计算。";

// The results of the calculation itself, without a window, on the same texts.
QStringList coreResults(const Texts& texts, varnok::Option category) {
  varnok::testing::RecordingForm form;
  for (const auto& [name, text] : texts) {
    const int number = name.mid(4).toInt();
    form.set(static_cast<varnok::Field>(number), text.toStdString());
  }
  form.select(category);
  varnok::runCalculation(form, ".");
  QStringList results;
  for (varnok::Field field : varnok::resultFields) {
    results << QString::fromStdString(form.get(field));
  }
  return results;
}

}  // namespace

void WindowTest::validExampleShowsItsSixResults() {
  type(validExample);
  click();
  QCOMPARE(resultTexts(*window_), validResults);
  QVERIFY(presenter_->shown.empty());
  // "11.4716" is wider than its box: it is shown from its first digit.
  QCOMPARE(edit("Text15").cursorPosition(), 0);
}

void WindowTest::failureShowsTheMessageOverThePreviousResultsThenClears() {
  type(validExample);
  click();
  type({{"Text6", ""}});
  click();
  QCOMPARE(presenter_->shown.size(), 1u);
  QCOMPARE(presenter_->shown[0].message, inputError);
  QCOMPARE(presenter_->shown[0].results, validResults);
  QCOMPARE(resultTexts(*window_), emptyResults);
  QCOMPARE(edit("Text6").text(), QString());
  QCOMPARE(edit("Text1").text(), "10");
}

void WindowTest::supportRatioOutOfRangeDoesNotReadTheShortSide() {
  type(validExample);
  type({{"Text5", "40"}, {"Text10", ""}});  // a/c = 1000/40 = 25
  click();
  QCOMPARE(presenter_->shown.size(), 1u);
  QCOMPARE(presenter_->shown[0].message, supportRatioMessage);
  QCOMPARE(resultTexts(*window_), emptyResults);
}

// The run writes Text11 before it reads it back, and Text14 too.
void WindowTest::textTypedIntoResultsHasNoEffect() {
  type(validExample);
  type({{"Text11", "999"}, {"Text12", "x"}, {"Text14", "abc"}, {"Text16", "?"}});
  click();
  QCOMPARE(resultTexts(*window_), validResults);
  QVERIFY(presenter_->shown.empty());
}

void WindowTest::optionThreeComputesWithCategoryC() {
  // z = 100, w0 = 1: the wind load exceeds its floor, so the category shows in every result.
  Texts texts = validExample;
  texts[0].second = "100";
  texts[1].second = "1";
  type(texts);
  auto* option3 = window_->findChild<QRadioButton*>("Option3");
  QTest::mouseClick(option3, Qt::LeftButton, {}, option3->rect().center());
  QVERIFY(option3->isChecked());
  QVERIFY(!window_->findChild<QRadioButton*>("Option1")->isChecked());
  click();
  QVERIFY(presenter_->shown.empty());
  QCOMPARE(resultTexts(*window_), coreResults(texts, varnok::Option::Option3));
  QVERIFY(resultTexts(*window_) != coreResults(texts, varnok::Option::Option1));
}

void WindowTest::decimalSeparatorComesFromTheWindow() {
  openWindow(",");
  Texts texts = validExample;
  texts[1].second = "0,3";
  texts[2].second = "1,2";
  texts[5].second = "0,08";
  type(texts);
  click();
  QVERIFY(presenter_->shown.empty());
  QCOMPARE(resultTexts(*window_)[1], "1,4");
  QCOMPARE(resultTexts(*window_)[3], "11,4716");
}

// Qt reads the system locale from LC_ALL, LC_NUMERIC and LANG once in a process, so each locale
// runs in a child process of this program, which runs runUnderTheSystemLocale there.
void WindowTest::decimalSeparatorFollowsTheSystemLocale_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QString>("separator");
  QTest::newRow("de_DE") << "de_DE.UTF-8"
                         << ",";
  QTest::newRow("zh_CN") << "zh_CN.UTF-8"
                         << ".";
  QTest::newRow("C") << "C"
                     << ".";
}

void WindowTest::decimalSeparatorFollowsTheSystemLocale() {
  QFETCH(QString, locale);
  QFETCH(QString, separator);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LC_ALL", locale);
  environment.insert("VARNOK_EXPECTED_SEPARATOR", separator);
  QProcess child;
  child.setProcessEnvironment(environment);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QCoreApplication::applicationFilePath(), {"runUnderTheSystemLocale"});
  QVERIFY(child.waitForFinished(60000));
  const QString output = QString::fromUtf8(child.readAll());
  QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, qPrintable(output));
  QVERIFY2(output.contains("PASS   : WindowTest::runUnderTheSystemLocale()"), qPrintable(output));
}

// The window as the program opens it, under the locale its parent chose: the start texts "1.2"
// and "0.08" and the other inputs keep their full stops, and the results are written with the
// locale's separator.
void WindowTest::runUnderTheSystemLocale() {
  const QString separator = qEnvironmentVariable("VARNOK_EXPECTED_SEPARATOR");
  if (separator.isEmpty()) {
    QSKIP("run by decimalSeparatorFollowsTheSystemLocale in a child process");
  }
  openWindowWithTheSystemSeparator();
  Texts typed;
  for (const auto& [name, text] : validExample) {
    if (name != "Text3" && name != "Text7" && name != "Text8") {
      typed.push_back({name, text});
    }
  }
  type(typed);
  click();
  QVERIFY(presenter_->shown.empty());
  QStringList expected = validResults;
  expected.replaceInStrings(".", separator);
  QCOMPARE(resultTexts(*window_), expected);
}

void WindowTest::messageBoxIsModalWithOneOkButtonAndNoIcon() {
  watchdog_.disarm();
  QWidget parent;
  parent.show();
  QString seen;
  QTimer::singleShot(0, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      seen = "no modal message box";
      return;
    }
    seen =
        QStringLiteral("%1|%2|%3|%4")
            .arg(box->windowTitle(), box->text())
            .arg(box->icon() == QMessageBox::NoIcon ? 1 : 0)
            .arg(box->buttons().size() == 1 && box->standardButtons() == QMessageBox::Ok ? 1 : 0);
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  });
  varnok::window::MessageBoxPresenter().present(parent, inputError);
  QCOMPARE(seen, "Varnok|" + inputError + "|1|1");
}

// Set VARNOK_SCREENSHOT to a PNG path to keep the picture of the window after a run.
void WindowTest::screenshotAfterACompletedRun() {
  type(validExample);
  click();
  const QPixmap picture = window_->grab();
  QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(525, 513));
  const QString path = qEnvironmentVariable("VARNOK_SCREENSHOT");
  if (!path.isEmpty()) {
    QVERIFY(picture.save(path, "PNG"));
  }
}
