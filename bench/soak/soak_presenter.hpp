#pragma once

#include <QString>
#include <QStringList>

#include "message_presenter.hpp"

namespace varnok::soak {

// Dismisses each message as it appears and keeps its text. One message in realBoxEvery is shown
// in the window's own modal message box, which a timer inside the box's event loop dismisses by
// clicking its OK button; the others are recorded without a box.
class SoakPresenter : public window::MessagePresenter {
 public:
  explicit SoakPresenter(int realBoxEvery) : realBoxEvery_(realBoxEvery) {}

  void present(QWidget& parent, const QString& message) override;

  // The messages since the last call, joined by newlines.
  QString takeMessages();
  int realBoxes() const { return realBoxes_; }

 private:
  void dismissWhenShown();

  int realBoxEvery_;
  int presented_ = 0;
  int realBoxes_ = 0;
  QStringList messages_;
};

}  // namespace varnok::soak
