#pragma once

#include <QRect>
#include <span>
#include <string_view>

namespace varnok::window {

// A control's place in the client area in twips: 1/1440 inch, 15 twips to a device-independent
// pixel, so that Qt's high-DPI scaling keeps the whole window in proportion.
struct Twips {
  int left;
  int top;
  int width;
  int height;
};

struct ControlPlace {
  std::string_view name;
  Twips twips;
};

inline constexpr int twipsPerPixel = 15;
inline constexpr Twips clientArea{0, 0, 7875, 7695};

// Every control of the window by its objectName.
std::span<const ControlPlace> controlPlaces();

// The place of the named control; the name must be in the table.
Twips placeOf(std::string_view name);

// Rounded to whole device-independent pixels.
QRect toPixels(Twips twips);

}  // namespace varnok::window
