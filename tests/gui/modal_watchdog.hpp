#pragma once

#include <QString>
#include <QTimer>

namespace varnok::testing {

// Closes any modal dialog that a test did not expect, so that the test fails instead of hanging
// on it. Polls while armed; a test that opens a dialog on purpose disarms it first.
class ModalWatchdog {
 public:
  ModalWatchdog();

  void arm();
  void disarm();
  // The title and text of the dialog that was closed, empty when none appeared.
  const QString& caught() const { return caught_; }

 private:
  void check();

  QTimer timer_;
  QString caught_;
};

}  // namespace varnok::testing
