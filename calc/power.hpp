#pragma once

namespace varnok {

// base raised to exponent, rounded to the nearest double from an intermediate of about 100 bits.
// It uses only IEEE additions, multiplications and divisions, so its result is the same on every
// platform, where the C library's pow may differ in the last bit from one system to the next.
// Undefined powers give NaN (a negative base with a fractional exponent) or infinity (a zero base
// with a negative exponent), and an overflowing result infinity, as the C library's pow does.
double powerOf(double base, double exponent);

}  // namespace varnok
