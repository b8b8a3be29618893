#include "hills_background.hpp"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

namespace varnok::window {
namespace {

// One ridge: a sum of two waves above a base line, filled down to the bottom edge.
struct Ridge {
  double base;  // pixels from the top
  double amplitude1, wavelength1, phase1;
  double amplitude2, wavelength2, phase2;
  QColor top, bottom;
};

// From the farthest, palest ridge to the nearest, darkest one.
const std::array<Ridge, 4> ridges{{
    {250, 40, 520, 0.6, 14, 170, 1.9, QColor(170, 196, 226), QColor(150, 180, 216)},
    {320, 48, 430, 2.2, 18, 150, 0.3, QColor(120, 158, 206), QColor(98, 140, 196)},
    {410, 52, 600, 4.1, 16, 210, 2.8, QColor(72, 116, 178), QColor(52, 96, 160)},
    {500, 44, 380, 1.3, 12, 130, 5.0, QColor(34, 72, 136), QColor(22, 52, 110)},
}};

QPainterPath ridgePath(const Ridge& r) {
  constexpr double twoPi = 6.283185307179586;
  const double w = backgroundSize.width();
  QPainterPath path(QPointF(0, backgroundSize.height()));
  for (int x = 0; x <= backgroundSize.width(); x += 4) {
    const double y = r.base - r.amplitude1 * std::sin(twoPi * x / r.wavelength1 + r.phase1) -
                     r.amplitude2 * std::sin(twoPi * x / r.wavelength2 + r.phase2);
    path.lineTo(x, y);
  }
  path.lineTo(w, backgroundSize.height());
  path.closeSubpath();
  return path;
}

void paintSky(QPainter& painter) {
  QLinearGradient sky(0, 0, 0, backgroundSize.height());
  sky.setColorAt(0, QColor(94, 150, 214));
  sky.setColorAt(0.45, QColor(200, 222, 244));
  sky.setColorAt(1, QColor(236, 244, 252));
  painter.fillRect(QRect(QPoint(0, 0), backgroundSize), sky);
}

}  // namespace

QPixmap paintHills(QSize visible, qreal devicePixelRatio) {
  QPixmap pixmap(visible.boundedTo(backgroundSize) * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paintSky(painter);
  painter.setPen(Qt::NoPen);
  for (const Ridge& r : ridges) {
    QLinearGradient fill(0, r.base - r.amplitude1 - r.amplitude2, 0, backgroundSize.height());
    fill.setColorAt(0, r.top);
    fill.setColorAt(1, r.bottom);
    painter.setBrush(fill);
    painter.drawPath(ridgePath(r));
  }
  return pixmap;
}

}  // namespace varnok::window
