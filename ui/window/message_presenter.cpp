#include "message_presenter.hpp"

#include <QMessageBox>

#include "ui/texts.hpp"

namespace varnok::window {

void MessageBoxPresenter::present(QWidget& parent, const QString& message) {
  const QString title = QString::fromUtf8(texts::appTitle.data(), texts::appTitle.size());
  QMessageBox box(QMessageBox::NoIcon, title, message, QMessageBox::Ok, &parent);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace varnok::window
