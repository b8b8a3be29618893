#pragma once

#include <Qt>
#include <span>
#include <string_view>

namespace varnok::window {

// How a static label looks. Bordered labels have a single border on the button-face colour;
// transparent ones let the background picture show through.
struct LabelLook {
  std::string_view name;
  std::string_view caption;  // UTF-8
  bool bordered;
  Qt::Alignment alignment;
  double pointSize;  // the laid-out size; a caption too wide for its frame gets a smaller one
  bool bold = false;
  bool wraps = false;
  std::string_view field = {};  // the field this label names, if any
};

inline constexpr double defaultPointSize = 10.5;

std::span<const LabelLook> labelLooks();

}  // namespace varnok::window
