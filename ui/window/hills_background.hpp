#pragma once

#include <QPixmap>
#include <QSize>

namespace varnok::window {

inline constexpr QSize backgroundSize{800, 600};

// The window's background: blue hills under a pale sky, a picture of 800 x 600 device-independent
// pixels. Paints its upper-left part of the given size (at most the whole picture) at the given
// device pixel ratio, so that it stays sharp at any scale and costs no memory for what is hidden.
QPixmap paintHills(QSize visible, qreal devicePixelRatio);

}  // namespace varnok::window
