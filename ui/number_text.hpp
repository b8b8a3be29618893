#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnok {

// Reads a field's text as a number. Accepted, after trimming spaces, tabs and the ideographic
// space: an optional sign, digits with at most one decimal separator (the locale's, or always a
// full stop) and at least one digit, then an optional exponent. Full-width digits, stop, signs and
// e are read as their ASCII forms. Anything else, and a value too large for a double, gives none.
// A value too small for a double reads as zero of its sign.
std::optional<double> textToNumber(std::string_view text, std::string_view decimalSeparator);

// Writes x with 15 significant digits, correctly rounded, without trailing zeros or grouping, in
// plain notation for 1e-4 <= |x| < 1e15 and as mantissa and exponent outside that.
std::string numberToText(double x, std::string_view decimalSeparator);

}  // namespace varnok
