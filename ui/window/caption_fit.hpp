#pragma once

class QLabel;

namespace varnok::window {

// Whether the label's caption, drawn in its own font, stays inside its frame.
bool captionFits(const QLabel& label);

// Shrinks the label's font in half-point steps until its caption fits; a caption that fits
// keeps its size.
void shrinkToFit(QLabel& label);

}  // namespace varnok::window
