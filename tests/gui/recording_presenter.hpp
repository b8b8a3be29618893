#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

#include "message_presenter.hpp"

namespace varnok::testing {

// Records each message instead of showing it, with the six result fields as they stood while
// the message was up.
class RecordingPresenter : public window::MessagePresenter {
 public:
  struct Shown {
    QString message;
    QStringList results;  // Text11, Text12, Text14, Text15, Text16, Text17
  };

  void present(QWidget& parent, const QString& message) override;

  std::vector<Shown> shown;
};

QStringList resultTexts(const QWidget& window);

}  // namespace varnok::testing
