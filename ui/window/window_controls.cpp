#include "window_controls.hpp"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <limits>

#include "caption_fit.hpp"
#include "kaiti_font.hpp"
#include "twips_table.hpp"

namespace varnok::window {
namespace {

template <typename Widget>
Widget& place(Widget* widget, const QString& name) {
  widget->setObjectName(name);
  widget->setGeometry(toPixels(placeOf(name.toStdString())));
  return *widget;
}

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QLabel& addLabel(QWidget& window, const LabelLook& look) {
  const QString name = fromUtf8(look.name);
  QLabel& label = place(new QLabel(fromUtf8(look.caption), &window), name);
  label.setFont(kaiTiFont(look.pointSize, look.bold));
  label.setAlignment(look.alignment);
  label.setWordWrap(look.wraps);
  // No indent or margin: the whole frame is the caption's.
  label.setIndent(0);
  label.setMargin(0);
  if (look.bordered) {
    label.setFrameStyle(QFrame::Box | QFrame::Plain);
    label.setLineWidth(1);
    label.setBackgroundRole(QPalette::Button);
    label.setAutoFillBackground(true);
  }
  shrinkToFit(label);
  return label;
}

QLineEdit& addTextBox(QWidget& window, const QString& name, const QString& text) {
  QLineEdit& edit = place(new QLineEdit(text, &window), name);
  edit.setMaxLength(std::numeric_limits<int>::max());
  return edit;
}

QRadioButton& addOptionButton(QWidget& window, const QString& name) {
  return place(new QRadioButton(&window), name);
}

QPushButton& addButton(QWidget& window, const QString& name, const QString& caption) {
  QPushButton& button = place(new QPushButton(caption, &window), name);
  button.setFont(kaiTiFont(defaultPointSize));
  return button;
}

QFrame& addLine(QWidget& window, const QString& name) {
  QFrame& line = place(new QFrame(&window), name);
  line.setFrameStyle(QFrame::HLine | QFrame::Plain);
  line.setLineWidth(1);
  return line;
}

void makeVerdictLook(QLineEdit& edit) {
  edit.setFont(kaiTiFont(defaultPointSize));
  QPalette palette = edit.palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  edit.setPalette(palette);
}

QString accessibleCaption(const QString& caption) {
  QString text = caption;
  while (text.endsWith(u'：') || text.endsWith(u':')) {
    text.chop(1);
  }
  return text;
}

}  // namespace varnok::window
