#include "calculator_window.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <utility>

#include "hills_background.hpp"
#include "kaiti_font.hpp"
#include "twips_table.hpp"
#include "ui/calculation_run.hpp"
#include "ui/texts.hpp"
#include "window_controls.hpp"

namespace varnok::window {
namespace {

QString nameOf(Field field) {
  return QString::fromStdString(fieldName(field));
}
QString nameOf(Option option) {
  return QString::fromStdString(optionName(option));
}

QString startText(Field field) {
  switch (field) {
    case Field::Text3:
      return QStringLiteral("1.2");
    case Field::Text7:
      return QStringLiteral("5");
    case Field::Text8:
      return QStringLiteral("0.08");
    default:
      return {};
  }
}

}  // namespace

CalculatorWindow::CalculatorWindow(std::unique_ptr<MessagePresenter> presenter,
                                   const QString& decimalSeparator)
    : presenter_(std::move(presenter)),
      decimalSeparator_(decimalSeparator.toStdString()),
      form_(*this, *presenter_) {
  installKaiTiSubstitutions();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(texts::appTitle.data(), texts::appTitle.size()));
  resize(toPixels(clientArea).size());

  addLabels();
  addFields();
  addOptions();
  addLine(*this, QStringLiteral("Line1"));
  addLine(*this, QStringLiteral("Line2"));
  QPushButton& button = addButton(*this, QStringLiteral("Command1"), QStringLiteral("计  算"));
  connect(&button, &QPushButton::clicked, this, &CalculatorWindow::calculate);
  setTabOrder();
}

void CalculatorWindow::calculate() {
  runCalculation(form_, decimalSeparator_);
}

void CalculatorWindow::paintEvent(QPaintEvent*) {
  // Painted once at the size shown; again only when the window grows to show more of the
  // picture or moves to a screen of another scale.
  const QSize shown = size().boundedTo(backgroundSize);
  const QSize painted = background_.deviceIndependentSize().toSize();
  if (background_.isNull() || background_.devicePixelRatio() != devicePixelRatioF() ||
      painted.width() < shown.width() || painted.height() < shown.height()) {
    background_ = paintHills(shown, devicePixelRatioF());
  }
  QPainter(this).drawPixmap(0, 0, background_);
}

void CalculatorWindow::addLabels() {
  for (const LabelLook& look : labelLooks()) {
    addLabel(*this, look);
  }
}

void CalculatorWindow::addFields() {
  const auto add = [this](Field field) {
    form_.addField(field, addTextBox(*this, nameOf(field), startText(field)));
  };
  std::ranges::for_each(inputFields, add);
  std::ranges::for_each(resultFields, add);
  QLineEdit& verdict = *findChild<QLineEdit*>(QStringLiteral("Text16"));
  verdict.setAlignment(Qt::AlignRight);
  makeVerdictLook(verdict);
  makeVerdictLook(*findChild<QLineEdit*>(QStringLiteral("Text17")));
}

void CalculatorWindow::addOptions() {
  for (Option option : {Option::Option1, Option::Option2, Option::Option3, Option::Option4}) {
    form_.addOption(option, addOptionButton(*this, nameOf(option)));
  }
  // A screen reader names each field and option button after its caption label.
  for (const LabelLook& look : labelLooks()) {
    if (!look.field.empty()) {
      const QString field = QString::fromUtf8(look.field.data(), look.field.size());
      findChild<QWidget*>(field)->setAccessibleName(
          accessibleCaption(QString::fromUtf8(look.caption.data(), look.caption.size())));
    }
  }
  QRadioButton& first = *findChild<QRadioButton*>(QStringLiteral("Option1"));
  first.setChecked(true);
  first.setFocus();
}

void CalculatorWindow::setTabOrder() {
  static constexpr std::array order{"Option1",  "Option2", "Option3", "Option4", "Text1",  "Text2",
                                    "Text3",    "Text6",   "Text7",   "Text8",   "Text11", "Text12",
                                    "Command1", "Text4",   "Text5",   "Text9",   "Text10", "Text14",
                                    "Text15",   "Text16",  "Text17"};
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(findChild<QWidget*>(QLatin1String(order[i - 1])),
                         findChild<QWidget*>(QLatin1String(order[i])));
  }
}

}  // namespace varnok::window
