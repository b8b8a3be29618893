// numberToText read the exponent with atoi from a buffer that to_chars does not terminate, so a
// digit left on the stack by an earlier, longer exponent was read as part of this one: after
// 1e-100 had been written, 100000 came out as 1e+50. Found by valgrind in the soak.
#include <string>

#include <gtest/gtest.h>

#include "ui/number_text.hpp"

namespace varnok {
namespace {

struct AfterLongerExponent {
  double earlier;  // written first, leaving a three-digit exponent in the buffer
  double x;
  const char* text;
};

TEST(NumberTextExponent, IgnoresDigitsLeftByAnEarlierCall) {
  const AfterLongerExponent cases[] = {
      {1e-100, 1e5, "100000"}, {1e100, 12345.5, "12345.5"}, {-1e-300, 0.001, "0.001"},
      {1e300, 1e20, "1e+20"},  {1e-200, 2.5e-7, "2.5e-7"},
  };
  for (const AfterLongerExponent& c : cases) {
    numberToText(c.earlier, ".");
    EXPECT_EQ(numberToText(c.x, "."), c.text) << "after " << c.earlier;
  }
}

}  // namespace
}  // namespace varnok
