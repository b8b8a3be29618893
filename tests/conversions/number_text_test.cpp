#include "ui/number_text.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace varnok {
namespace {

struct ReadCase {
  const char* text;
  std::optional<double> value;
};

void expectReads(const ReadCase& c, std::string_view separator) {
  const std::optional<double> got = textToNumber(c.text, separator);
  ASSERT_EQ(got.has_value(), c.value.has_value()) << "\"" << c.text << "\"";
  if (got) {
    EXPECT_EQ(*got, *c.value) << "\"" << c.text << "\"";
    EXPECT_EQ(std::signbit(*got), std::signbit(*c.value)) << "\"" << c.text << "\"";
  }
}

TEST(TextToNumber, AcceptsPlainDecimalsSignsExponentsAndFullWidthForms) {
  const ReadCase cases[] = {
      {"1200", 1200},
      {"1.2", 1.2},
      {"0.08", 0.08},
      {"-3", -3},
      {"+3", 3},
      {"5.", 5},
      {".5", 0.5},
      {"-0", -0.0},
      {"007", 7},
      {"1e3", 1000},
      {"1E+3", 1000},
      {"2.5e-3", 0.0025},
      {"1.79769313486231e+308", 1.79769313486231e308},
      {"4.94065645841247e-324", std::numeric_limits<double>::denorm_min()},
      {"1e-400", 0.0},  // too small for a double: zero, not a failure
      {"-1e-400", -0.0},
      {"0e99999", 0.0},
      {"0.1000000000000000055511151231257827", 0.1},
      {"  12 ", 12},
      {"\t12\t", 12},
      {"\u300012\u3000", 12},  // ideographic spaces
      {"１２００", 1200},      // full-width digits
      {"１．５", 1.5},
      {"－３", -3},
      {"＋３", 3},
      {"１ｅ３", 1000},
      {"１Ｅ－３", 0.001},
  };
  for (const ReadCase& c : cases) {
    expectReads(c, ".");
  }
}

TEST(TextToNumber, RejectsWhatIsNoNumber) {
  const char* const cases[] = {
      "",      " ",     "\u3000",   "abc",  "1.2.3", "1..2",  "1,200",  "1 200",
      "12a",   "a12",   ".",        "-",    "+",     "-.",    "e5",     "1e",
      "1e+",   "1e1.5", "1e 5",     "--1",  "+-1",   "1-",    "inf",    "-inf",
      "nan",   "NaN",   "infinity", "0x10", "0x1p3", "1e400", "-1e400", "1e99999999999999999999",
      "1_000", "١٢",    "1\n",      "\n1",  "1。5",  "１，５"};
  for (const char* text : cases) {
    EXPECT_EQ(textToNumber(text, "."), std::nullopt) << "\"" << text << "\"";
  }
  EXPECT_EQ(textToNumber(std::string_view("1\0", 2), "."), std::nullopt);
}

TEST(TextToNumber, IsCorrectlyRoundedOnBothSidesOfTheShortcutForShortNumbers) {
  // Up to 15 significant digits times 10^k with |k| <= 22 is scaled directly; everything else
  // goes to the general reader. Both must agree with the C library's correctly rounded strtod.
  const char* const cases[] = {"123456789012345",
                               "1234567890123456",
                               "9007199254740993",
                               "123456789012345e22",
                               "123456789012345e23",
                               "1e22",
                               "1e23",
                               "1e-22",
                               "1e-23",
                               "0.1",
                               "0.3",
                               "3.5375",
                               "0.000123456789012345",
                               "0.0000000000000000000001",
                               "0.00000000000000000000001",
                               "999999999999999e-22",
                               "1.00000000000000000000",
                               "-2.5e-7",
                               "4503599627370497.5",
                               "0.1234567890123456789",
                               "17976931348623157e292"};
  for (const char* text : cases) {
    EXPECT_EQ(textToNumber(text, "."), std::strtod(text, nullptr)) << text;
  }
}

TEST(TextToNumber, TakesTheLocalesSeparatorAndAlwaysTheFullStop) {
  const ReadCase accepted[] = {{"1,2", 1.2},
                               {"1.2", 1.2},
                               {"0,08", 0.08},
                               {"-3,5e2", -350},
                               {"１，５", std::nullopt},
                               {"1,2,3", std::nullopt},
                               {"1,2.3", std::nullopt},
                               {"1.200,5", std::nullopt}};
  for (const ReadCase& c : accepted) {
    expectReads(c, ",");
  }
  // A separator of several bytes, as some locales have (U+066B, Arabic decimal separator).
  expectReads({"1\u066B5", 1.5}, "\u066B");
  expectReads({"1.5", 1.5}, "\u066B");
}

TEST(NumberToText, WritesFifteenSignificantDigitsWithoutTrailingZeros) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {1 + 0.3, "1.3"},
      {1500.0 / 100, "15"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {3.5374999999999996, "3.5375"},
      {11.4716, "11.4716"},
      {34.97772216796875, "34.9777221679688"},
      {40.329843750000002, "40.32984375"},
      {1.3999999999999999, "1.4"},
      {0, "0"},
      {-0.0, "0"},
      {-2.5, "-2.5"},
      {1200, "1200"},
      {123456789012345, "123456789012345"},
      {999999999999999, "999999999999999"},
      {1e15, "1e+15"},
      {999999999999999.9, "1e+15"},  // rounds up into the exponent form
      {1.5e20, "1.5e+20"},
      {0.0001, "0.0001"},
      {0.00012345, "0.00012345"},
      {0.00009999999999999999, "0.0001"},
      {0.00009, "9e-5"},
      {-1.25e-7, "-1.25e-7"},
      {std::numeric_limits<double>::denorm_min(), "4.94065645841247e-324"},
      // The largest doubles would round to 1.79769313486232e+308, beyond every double.
      {std::numeric_limits<double>::max(), "1.79769313486231e+308"},
      {-std::numeric_limits<double>::max(), "-1.79769313486231e+308"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(numberToText(c.value, "."), c.text) << c.value;
  }
  EXPECT_EQ(numberToText(1.0 / 3, ","), "0,333333333333333");
  EXPECT_EQ(numberToText(1234567.5, ","), "1234567,5");
  EXPECT_EQ(numberToText(-1.25e-7, ","), "-1,25e-7");
}

}  // namespace
}  // namespace varnok
