#include "caption_fit.hpp"

#include <QFontMetrics>
#include <QLabel>

namespace varnok::window {
namespace {

// Below this a caption would no longer be readable; it stops the search.
constexpr double smallestPointSize = 6;

}  // namespace

bool captionFits(const QLabel& label) {
  const QRect frame = label.contentsRect();
  int flags = static_cast<int>(label.alignment());
  if (label.wordWrap()) {
    flags |= Qt::TextWordWrap;
  }
  const QRect needed = QFontMetrics(label.font()).boundingRect(frame, flags, label.text());
  return frame.contains(needed);
}

void shrinkToFit(QLabel& label) {
  QFont font = label.font();
  while (!captionFits(label) && font.pointSizeF() - 0.5 >= smallestPointSize) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
    label.setFont(font);
  }
}

}  // namespace varnok::window
