#pragma once

#include <QString>

class QWidget;

namespace varnok::window {

// Shows a run's message over the window and returns once the user has dismissed it.
class MessagePresenter {
 public:
  virtual ~MessagePresenter() = default;
  virtual void present(QWidget& parent, const QString& message) = 0;
};

// A modal message box: the message, one OK button, no icon, the application title as caption.
class MessageBoxPresenter : public MessagePresenter {
 public:
  void present(QWidget& parent, const QString& message) override;
};

}  // namespace varnok::window
