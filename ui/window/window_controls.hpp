#pragma once

#include <QString>

#include "label_table.hpp"

class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QPushButton;
class QWidget;

namespace varnok::window {

// Each control is created as a child of the window, named and placed from the twips table.
QLabel& addLabel(QWidget& window, const LabelLook& look);
QLineEdit& addTextBox(QWidget& window, const QString& name, const QString& text);
QRadioButton& addOptionButton(QWidget& window, const QString& name);
QPushButton& addButton(QWidget& window, const QString& name, const QString& caption);
QFrame& addLine(QWidget& window, const QString& name);

// A text box in the button-face grey with the KaiTi face, for the verdict and its limit.
void makeVerdictLook(QLineEdit& edit);

// The caption as a screen reader should say it: without the colons that end it.
QString accessibleCaption(const QString& caption);

}  // namespace varnok::window
