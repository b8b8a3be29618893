#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "ui/form.hpp"

namespace varnok::soak {

using Inputs = std::vector<std::pair<Field, std::string_view>>;

// One soak run: the category, the inputs that differ from the worked example, and the message
// it must show (empty for a completed run).
struct SoakCase {
  Option option;
  Inputs changes;
  std::string_view message;
};

// The inputs of the worked example, which every case enters before its changes.
const Inputs& workedExample();

// Completed runs and every exit, alternating.
const std::vector<SoakCase>& soakCases();

}  // namespace varnok::soak
