#pragma once

#include <cmath>
#include <exception>

#include "power.hpp"

namespace varnok {

// Raised when an intermediate value of the calculation is not a finite double: a division by
// zero (0/0 included), an overflow, or a power that is undefined for real numbers.
class CalcFailure : public std::exception {
 public:
  const char* what() const noexcept override { return "calculation failure"; }
};

// Hands x on when it is finite and fails the calculation otherwise. Every intermediate value
// goes through it, so an overflow counts where it happens, even where a later operation would
// hide it (a divisor overflowing to infinity would otherwise turn a quotient into 0).
inline double finite(double x) {
  if (!std::isfinite(x)) {
    throw CalcFailure{};
  }
  return x;
}

// The general power operation: a zero base with a negative exponent, a negative base with a
// fractional exponent and an overflowing result all fail.
inline double power(double base, double exponent) {
  return finite(powerOf(base, exponent));
}

}  // namespace varnok
