// Fuzzes the two conversions between field text and numbers: nothing crashes, whatever is
// accepted is finite and is written back the same way, and every finite double written as text
// reads back as that double rounded to 15 significant digits.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "property.hpp"
#include "ui/number_text.hpp"

namespace {

using varnok::fuzz::require;

constexpr std::string_view separators[] = {".", ","};

// The largest doubles round to 1.79769313486232e308 at 15 digits, beyond every double; they are
// written one unit of the last digit lower.
constexpr double largestShown = 1.79769313486231e308;

// The reference: 15 significant digits by the C library in the C locale, read back by strtod.
double roundedTo15Digits(double x) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", x);
  return std::strtod(buffer, nullptr);
}

void checkText(std::string_view text, std::string_view separator) {
  const std::optional<double> value = varnok::textToNumber(text, separator);
  if (!value) {
    return;
  }
  require(std::isfinite(*value), "an accepted text is finite");
  const std::string shown = varnok::numberToText(*value, separator);
  const std::optional<double> again = varnok::textToNumber(shown, separator);
  require(again.has_value(), "the text written for an accepted number reads back");
  require(varnok::numberToText(*again, separator) == shown,
          "a written number is written again alike");
}

void checkNumber(double x, std::string_view separator) {
  // Writing depends on x alone: a longer exponent written just before must leave no trace.
  const std::string afterShort = varnok::numberToText(x, separator);
  varnok::numberToText(-1.5e-300, separator);
  const std::string shown = varnok::numberToText(x, separator);
  require(shown == afterShort, "a number is written alike whatever was written before");
  require(shown.find(separator == "," ? '.' : ',') == std::string::npos,
          "a written number holds only the chosen separator");
  const std::optional<double> back = varnok::textToNumber(shown, separator);
  require(back.has_value(), "a written number reads back");
  const double expected = roundedTo15Digits(x);
  if (std::isfinite(expected)) {
    require(*back == expected, "a written number reads back rounded to 15 significant digits");
  } else {
    require(*back == std::copysign(largestShown, x), "the largest doubles read back finite");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const std::string_view separator : separators) {
    checkText(text, separator);
  }
  if (size >= sizeof(double)) {
    double x;
    std::memcpy(&x, data, sizeof x);
    if (std::isfinite(x)) {
      for (const std::string_view separator : separators) {
        checkNumber(x, separator);
      }
    }
  }
  return 0;
}
