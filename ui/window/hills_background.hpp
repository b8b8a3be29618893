#pragma once

#include <QPixmap>
#include <QSize>

namespace varnok::window {

inline constexpr QSize backgroundSize{800, 600};

// The window's background: blue hills under a pale sky, 800 x 600 device-independent pixels,
// painted at the given device pixel ratio so that it stays sharp at any scale.
QPixmap paintHills(qreal devicePixelRatio);

}  // namespace varnok::window
