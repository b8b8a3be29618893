#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>

#include "window_test.hpp"

namespace {

struct Place {
  const char* name;
  int left, top, width, height;  // twips
};

// The window as laid out, in twips (15 to a pixel). Lines are one pixel high.
constexpr Place laidOut[] = {
    {"Text1", 2520, 1080, 615, 300},     {"Text2", 2520, 1560, 615, 300},
    {"Text3", 2520, 2040, 615, 300},     {"Text6", 2520, 2520, 615, 300},
    {"Text8", 2520, 3000, 615, 300},     {"Text7", 6120, 3000, 615, 300},
    {"Text4", 2520, 3840, 615, 300},     {"Text9", 6120, 3840, 615, 300},
    {"Text5", 2520, 4440, 615, 300},     {"Text10", 6120, 4440, 615, 300},
    {"Text11", 2520, 5400, 615, 400},    {"Text12", 6120, 5400, 615, 400},
    {"Text15", 2520, 6000, 615, 400},    {"Text14", 6120, 6000, 615, 400},
    {"Text16", 4200, 6600, 2295, 350},   {"Text17", 6480, 6600, 495, 350},
    {"Option1", 6600, 1080, 255, 255},   {"Option2", 6600, 1440, 255, 255},
    {"Option3", 6600, 1800, 255, 255},   {"Option4", 6600, 2160, 255, 255},
    {"Label4", 5760, 1080, 615, 300},    {"Label5", 5760, 1440, 615, 300},
    {"Label6", 5760, 1800, 615, 300},    {"Label7", 5760, 2160, 615, 300},
    {"Command1", 3240, 7200, 1215, 375}, {"Label9", 1680, 120, 3855, 495},
    {"Label1", 600, 1095, 1815, 300},    {"Label2", 600, 1560, 1815, 300},
    {"Label8", 600, 2040, 1815, 300},    {"Label16", 600, 2520, 1815, 300},
    {"Label19", 600, 3000, 1815, 300},   {"Label18", 4200, 3000, 1815, 300},
    {"Label3", 4080, 1080, 1575, 300},   {"Label11", 3120, 1080, 495, 300},
    {"Label12", 3120, 1605, 615, 300},   {"Label17", 3120, 2565, 615, 300},
    {"Label20", 480, 3480, 975, 255},    {"Label10", 600, 3840, 1815, 300},
    {"Label14", 4200, 3840, 1815, 300},  {"Label13", 600, 4320, 1815, 540},
    {"Label15", 4200, 4440, 1815, 300},  {"Label21", 3120, 3840, 495, 300},
    {"Label22", 6720, 3840, 495, 300},   {"Label31", 3120, 4440, 495, 300},
    {"Label23", 6720, 4440, 495, 300},   {"Label28", 480, 5100, 975, 255},
    {"Label24", 600, 5400, 1815, 405},   {"Label26", 4200, 5400, 1815, 405},
    {"Label25", 3120, 5520, 615, 285},   {"Label27", 6720, 5520, 615, 285},
    {"Label35", 600, 6000, 1815, 405},   {"Label33", 4200, 6000, 1815, 405},
    {"Label34", 3120, 6120, 615, 285},   {"Label32", 6840, 6120, 375, 285},
    {"Line2", 1320, 3540, 5760, 15},     {"Line1", 1320, 5160, 5640, 15},
};

int pixels(int twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

QStringList focusChain(QWidget& window) {
  QStringList names;
  for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) != 0) {
      names << w->objectName();
    }
  }
  return names;
}

double laidOutPointSize(const QString& label) {
  if (label == "Label9") {
    return 18;
  }
  if (QStringList{"Label24", "Label26", "Label35", "Label33"}.contains(label)) {
    return 12;
  }
  return QStringList{"Label20", "Label28"}.contains(label) ? 9 : 10.5;
}

bool fitsAt(const QLabel& label, double pointSize) {
  QFont font = label.font();
  font.setPointSizeF(pointSize);
  const QRect frame = label.contentsRect();
  const int flags = label.alignment() | (label.wordWrap() ? Qt::TextWordWrap : 0);
  return frame.contains(QFontMetrics(font).boundingRect(frame, flags, label.text()));
}

}  // namespace

void WindowTest::freshWindowShowsTheStartTexts() {
  QCOMPARE(window_->objectName(), "Form1");
  QCOMPARE(window_->windowTitle(), "Varnok");
  QCOMPARE(window_->size(), QSize(525, 513));
  for (int n : {1, 2, 4, 5, 6, 9, 10, 11, 12, 14, 15, 16, 17}) {
    QCOMPARE(edit(QStringLiteral("Text%1").arg(n)).text(), QString());
  }
  QCOMPARE(edit("Text3").text(), "1.2");
  QCOMPARE(edit("Text7").text(), "5");
  QCOMPARE(edit("Text8").text(), "0.08");
  const auto options = window_->findChildren<QRadioButton*>();
  QCOMPARE(options.size(), 4);
  for (QRadioButton* option : options) {
    QCOMPARE(option->isChecked(), option->objectName() == "Option1");
  }
  QCOMPARE(QApplication::focusWidget()->objectName(), "Option1");
}

void WindowTest::everyControlSitsAtItsTwips_data() {
  QTest::addColumn<QRect>("expected");
  for (const Place& p : laidOut) {
    QTest::newRow(p.name) << QRect(pixels(p.left), pixels(p.top), pixels(p.width),
                                   pixels(p.height));
  }
}

void WindowTest::everyControlSitsAtItsTwips() {
  QFETCH(QRect, expected);
  const QWidget* control = window_->findChild<QWidget*>(QTest::currentDataTag());
  QVERIFY(control != nullptr);
  QCOMPARE(control->geometry(), expected);
}

// The terrain category group is one tab stop: its selected button.
void WindowTest::tabVisitsTheControlsInOrder() {
  QStringList order{"Option1", "Text1",  "Text2",  "Text3",    "Text6",  "Text7",
                    "Text8",   "Text11", "Text12", "Command1", "Text4",  "Text5",
                    "Text9",   "Text10", "Text14", "Text15",   "Text16", "Text17"};
  QStringList visited;
  for (qsizetype i = 0; i < order.size(); ++i) {
    visited << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  QCOMPARE(visited, order);
  QCOMPARE(QApplication::focusWidget()->objectName(), "Option1");

  auto* option3 = window_->findChild<QRadioButton*>("Option3");
  QTest::mouseClick(option3, Qt::LeftButton, {}, option3->rect().center());
  QCOMPARE(QApplication::focusWidget(), option3);
  QTest::keyClick(option3, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget()->objectName(), "Text1");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  QCOMPARE(QApplication::focusWidget(), option3);
  const QStringList chain = focusChain(*window_);
  QVERIFY(chain.contains("Option3") && !chain.contains("Option1"));
}

void WindowTest::resizingMovesNothing() {
  QList<QRect> before;
  const auto children = window_->findChildren<QWidget*>();
  for (const QWidget* child : children) {
    before << child->geometry();
  }
  for (QSize size : {QSize(900, 700), QSize(200, 150)}) {
    window_->resize(size);
    QTest::qWait(20);
    for (qsizetype i = 0; i < children.size(); ++i) {
      QCOMPARE(children[i]->geometry(), before[i]);
    }
  }
}

// The 800 x 600 picture is drawn unscaled; a larger window shows its own background beyond it.
void WindowTest::backgroundIsBlueHillsFromTheTopLeftCorner() {
  window_->resize(900, 700);
  QTest::qWait(20);
  const QImage picture = window_->grab().toImage();
  const auto at = [&picture](int x, int y) {  // in device-independent pixels
    return picture.pixelColor((QPointF(x, y) * picture.devicePixelRatio()).toPoint());
  };
  const QColor sky = at(2, 2);
  const QColor nearHill = at(799, 599);
  QVERIFY(sky.blue() > sky.red() && nearHill.blue() > nearHill.red());
  QVERIFY(nearHill.lightness() < sky.lightness());
  QCOMPARE(at(850, 650), window_->palette().color(QPalette::Window));
  QVERIFY(at(799, 300) != at(801, 300));
}

void WindowTest::controlsHaveTheirLooks() {
  for (const char* name : {"Text16", "Text17"}) {
    const QLineEdit& field = edit(name);
    QCOMPARE(field.palette().color(QPalette::Base), field.palette().color(QPalette::Button));
    QCOMPARE(field.font().pointSizeF(), 10.5);
  }
  QVERIFY(edit("Text16").alignment() & Qt::AlignRight);
  QVERIFY(!edit("Text11").isReadOnly());
  QVERIFY(edit("Text1").maxLength() >= 1000000);
  const auto* button = window_->findChild<QPushButton*>("Command1");
  QCOMPARE(button->text(), "计  算");
  QCOMPARE(button->font().pointSizeF(), 10.5);
  for (const QRadioButton* option : window_->findChildren<QRadioButton*>()) {
    QVERIFY(option->text().isEmpty());
    QVERIFY(option->autoExclusive());
  }
  const auto* heading = window_->findChild<QLabel*>("Label9");
  QCOMPARE(heading->text(), "Varnok");
  QCOMPARE(heading->font().pointSizeF(), 18.0);
  QVERIFY(heading->font().bold());
  QVERIFY(!heading->autoFillBackground());
  QVERIFY(window_->findChild<QLabel*>("Label1")->autoFillBackground());
  QCOMPARE(window_->findChild<QLabel*>("Label1")->frameShape(), QFrame::Box);
}

// Every caption is drawn in the installed KaiTi face and, where it was too wide for the laid-out
// size, at the largest half-point size that fits; the others keep their sizes.
void WindowTest::captionsUseKaiTiAndFitTheirLabels() {
  const auto labels = window_->findChildren<QLabel*>();
  QCOMPARE(labels.size(), 33);
  for (const QLabel* label : labels) {
    const QString what = label->objectName() + " " + label->text();
    const double size = label->font().pointSizeF();
    QVERIFY2(fitsAt(*label, size), qPrintable(what + " is cut off"));
    QCOMPARE(QFontInfo(label->font()).family(), "AR PL UKai CN");
    QVERIFY2(size == laidOutPointSize(label->objectName()) || !fitsAt(*label, size + 0.5),
             qPrintable(what + " was made smaller than it needs"));
  }
  // The first character of the widest captions stays visible because their size was lowered.
  QVERIFY(window_->findChild<QLabel*>("Label8")->font().pointSizeF() < 10.5);
  const QLabel& label13 = *window_->findChild<QLabel*>("Label13");
  const QFontMetrics metrics(label13.font());
  const QRect wrapped =
      metrics.boundingRect(label13.contentsRect(), Qt::TextWordWrap, label13.text());
  QCOMPARE(wrapped.height() / metrics.lineSpacing(), 2);
}

void WindowTest::fieldsAreNamedByTheirCaptions() {
  const Texts expected{{"Text1", "玻璃所在高度"},
                       {"Text2", "当地基本风压"},
                       {"Text3", "风荷载体型系数"},
                       {"Text6", "每平方幕墙自重"},
                       {"Text8", "水平地震影响系数"},
                       {"Text7", "地震动力放大系数"},
                       {"Text4", "玻璃计算厚度"},
                       {"Text9", "玻璃长边长度"},
                       {"Text5", "支撑点到玻璃边长度"},
                       {"Text10", "玻璃短边长度"},
                       {"Text11", "组合荷载标准值"},
                       {"Text12", "组合荷载设计值"},
                       {"Text15", "跨中最大正应力"},
                       {"Text14", "跨中最大挠度值"},
                       {"Option1", "A类"},
                       {"Option4", "D类"}};
  for (const auto& [name, accessible] : expected) {
    QCOMPARE(window_->findChild<QWidget*>(name)->accessibleName(), accessible);
  }
}
