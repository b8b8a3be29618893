#include "recording_presenter.hpp"

#include <QLineEdit>

#include "ui/form.hpp"

namespace varnok::testing {

QStringList resultTexts(const QWidget& window) {
  QStringList texts;
  for (Field field : resultFields) {
    const QString name = QString::fromStdString(fieldName(field));
    texts << window.findChild<QLineEdit*>(name)->text();
  }
  return texts;
}

void RecordingPresenter::present(QWidget& parent, const QString& message) {
  shown.push_back({message, resultTexts(parent)});
}

}  // namespace varnok::testing
