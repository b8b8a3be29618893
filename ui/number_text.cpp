#include "number_text.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <system_error>

namespace varnok {
namespace {

constexpr std::string_view ideographicSpace = "\xE3\x80\x80";  // U+3000

std::size_t blankLength(std::string_view text, std::size_t pos) {
  if (text[pos] == ' ' || text[pos] == '\t') {
    return 1;
  }
  return text.substr(pos, 3) == ideographicSpace ? 3 : 0;
}

std::string_view trimmed(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t n = blankLength(text, begin);
    if (n == 0) {
      break;
    }
    begin += n;
  }
  std::size_t end = text.size();
  while (end > begin) {
    if (text[end - 1] == ' ' || text[end - 1] == '\t') {
      --end;
    } else if (end - begin >= 3 && text.substr(end - 3, 3) == ideographicSpace) {
      end -= 3;
    } else {
      break;
    }
  }
  return text.substr(begin, end - begin);
}

// The ASCII form of the full-width character that a Chinese input method types in full-width
// mode (U+FF0B, U+FF0D, U+FF0E, U+FF10 to U+FF19, U+FF25, U+FF45), or 0.
char fullWidthAscii(std::string_view text, std::size_t pos) {
  if (text.size() - pos < 3 || text[pos] != '\xEF') {
    return 0;
  }
  const auto second = static_cast<unsigned char>(text[pos + 1]);
  const auto third = static_cast<unsigned char>(text[pos + 2]);
  if (second == 0xBC) {
    if (third >= 0x90 && third <= 0x99) {
      return static_cast<char>('0' + (third - 0x90));
    }
    switch (third) {
      case 0x8B:
        return '+';
      case 0x8D:
        return '-';
      case 0x8E:
        return '.';
      case 0xA5:
        return 'E';
      default:
        return 0;
    }
  }
  return second == 0xBD && third == 0x85 ? 'e' : 0;
}

bool isNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E';
}

// Maps the text onto ASCII with '.' as the only separator, into out, which has room for
// text.size() characters (no character grows); the length written, or none for any other
// character.
std::optional<std::size_t> normalise(std::string_view text, std::string_view separator, char* out) {
  const char separatorStart = separator.empty() ? '\0' : separator[0];
  std::size_t n = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    if (text[pos] == separatorStart && !separator.empty() &&
        text.substr(pos, separator.size()) == separator) {
      out[n++] = '.';
      pos += separator.size();
    } else if (isNumberChar(text[pos])) {
      out[n++] = text[pos];
      ++pos;
    } else if (const char c = fullWidthAscii(text, pos); c != 0) {
      out[n++] = c;
      pos += 3;
    } else {
      return std::nullopt;
    }
  }
  return n;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

struct Syntax {
  std::size_t mantissaBegin;  // after the sign
  std::size_t mantissaEnd;    // the exponent marker, or the end
};

// [+-] digits [. digits] with at least one digit, then [(e|E) [+-] digits].
std::optional<Syntax> parseSyntax(std::string_view s) {
  std::size_t pos = 0;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
    ++pos;
  }
  const std::size_t mantissaBegin = pos;
  int digits = 0;
  bool separatorSeen = false;
  for (; pos < s.size() && (isDigit(s[pos]) || s[pos] == '.'); ++pos) {
    if (s[pos] == '.') {
      if (separatorSeen) {
        return std::nullopt;
      }
      separatorSeen = true;
    } else {
      ++digits;
    }
  }
  if (digits == 0) {
    return std::nullopt;
  }
  const std::size_t mantissaEnd = pos;
  if (pos < s.size()) {
    if (s[pos] != 'e' && s[pos] != 'E') {
      return std::nullopt;
    }
    ++pos;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
      ++pos;
    }
    if (pos == s.size()) {
      return std::nullopt;
    }
    for (; pos < s.size(); ++pos) {
      if (!isDigit(s[pos])) {
        return std::nullopt;
      }
    }
  }
  return Syntax{mantissaBegin, mantissaEnd};
}

// The decimal exponent of the leading nonzero digit, saturated; only its sign is used, to tell
// a value too large for a double from one too small.
std::int64_t decimalMagnitude(std::string_view s, const Syntax& syntax) {
  std::int64_t exponent = 0;
  if (syntax.mantissaEnd < s.size()) {
    std::size_t pos = syntax.mantissaEnd + 1;
    const bool negative = s[pos] == '-';
    if (s[pos] == '-' || s[pos] == '+') {
      ++pos;
    }
    for (; pos < s.size() && exponent < 1'000'000'000; ++pos) {
      exponent = exponent * 10 + (s[pos] - '0');
    }
    exponent = negative ? -exponent : exponent;
  }
  // Position of the leading nonzero digit: counted from the left among the integer digits, or
  // as minus its place after the separator.
  bool found = false;
  std::int64_t position = 0;
  std::int64_t integerDigits = 0;
  std::int64_t fractionDigits = 0;
  bool fraction = false;
  for (std::size_t pos = syntax.mantissaBegin; pos < syntax.mantissaEnd; ++pos) {
    if (s[pos] == '.') {
      fraction = true;
      continue;
    }
    fraction ? ++fractionDigits : ++integerDigits;
    if (s[pos] != '0' && !found) {
      found = true;
      position = fraction ? -fractionDigits : integerDigits;
    }
  }
  const std::int64_t leading = position > 0 ? integerDigits - position : position;
  return leading + exponent;
}

// x rounded to fifteen significant digits: the digits without trailing zeros and the decimal
// exponent of the first.
struct Rounded {
  std::array<char, 15> digits;
  std::size_t count;
  int exponent;
  bool negative;
};

Rounded roundedTo15(double x) {
  // d.dddddddddddddde±x, correctly rounded. The buffer holds no terminating zero, so nothing is
  // read beyond the end that to_chars returns.
  std::array<char, 32> buffer;
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                 std::chars_format::scientific, 14)
                       .ptr;
  Rounded r{};
  r.negative = buffer[0] == '-';
  const char* sci = buffer.data() + (r.negative ? 1 : 0);
  r.digits[0] = sci[0];
  std::copy(sci + 2, sci + 16, r.digits.begin() + 1);
  for (const char* p = sci + 18; p < end; ++p) {
    r.exponent = r.exponent * 10 + (*p - '0');
  }
  if (sci[17] == '-') {
    r.exponent = -r.exponent;
  }
  // Only the largest doubles round up to 1.79769313486232e308, which is beyond every double and
  // so would not read back; write them rounded down instead.
  constexpr std::string_view beyondLargest = "179769313486232";
  if (r.exponent == 308 && std::string_view(r.digits.data(), 15) == beyondLargest) {
    r.digits[14] = '1';
  }
  r.count = 15;
  while (r.count > 1 && r.digits[r.count - 1] == '0') {
    --r.count;
  }
  return r;
}

// 1e-4 <= |x| < 1e15: digits with the separator where the exponent puts it.
void writePlain(std::string_view digits, int exponent, std::string_view separator,
                std::string& out) {
  if (exponent < 0) {
    out += '0';
    out += separator;
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += digits;
    return;
  }
  const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= integerDigits) {
    out += digits;
    out.append(integerDigits - digits.size(), '0');
    return;
  }
  out += digits.substr(0, integerDigits);
  out += separator;
  out += digits.substr(integerDigits);
}

// Mantissa and exponent: 1.5e+20, 9e-5.
void writeScientific(std::string_view digits, int exponent, std::string_view separator,
                     std::string& out) {
  out += digits[0];
  if (digits.size() > 1) {
    out += separator;
    out += digits.substr(1);
  }
  out += exponent < 0 ? "e-" : "e+";
  out += std::to_string(exponent < 0 ? -exponent : exponent);
}

// The exact powers of ten that a double holds: 10^0 to 10^22.
constexpr std::array<double, 23> exactPowersOfTen = [] {
  std::array<double, 23> p{};
  double v = 1;
  for (double& e : p) {
    e = v;
    v *= 10;
  }
  return p;
}();

// A number of at most 15 significant digits times 10^k with |k| <= 22 is one IEEE multiplication
// or division of two exact doubles, so it comes out correctly rounded without the general reader
// (Clinger's fast path); most field texts are such numbers. None for any other number.
std::optional<double> exactlyScaled(std::string_view s, const Syntax& syntax) {
  std::int64_t mantissa = 0;
  int significant = 0;
  int fractionDigits = 0;
  bool fraction = false;
  for (std::size_t pos = syntax.mantissaBegin; pos < syntax.mantissaEnd; ++pos) {
    if (s[pos] == '.') {
      fraction = true;
      continue;
    }
    fractionDigits += fraction ? 1 : 0;
    if (significant > 0 || s[pos] != '0') {
      if (++significant > 15) {
        return std::nullopt;
      }
      mantissa = mantissa * 10 + (s[pos] - '0');
    }
  }
  int exponent = 0;
  if (syntax.mantissaEnd < s.size()) {
    std::size_t pos = syntax.mantissaEnd + 1;
    const bool negative = s[pos] == '-';
    pos += (s[pos] == '-' || s[pos] == '+') ? 1 : 0;
    for (; pos < s.size(); ++pos) {
      if (exponent > 1000) {
        return std::nullopt;
      }
      exponent = exponent * 10 + (s[pos] - '0');
    }
    exponent = negative ? -exponent : exponent;
  }
  const int k = exponent - fractionDigits;
  if (k < -22 || k > 22) {
    return std::nullopt;
  }
  // mantissa < 10^15 < 2^53: exact as a double.
  const auto m = static_cast<double>(mantissa);
  const double value = k >= 0 ? m * exactPowersOfTen[k] : m / exactPowersOfTen[-k];
  return s[0] == '-' ? -value : value;
}

}  // namespace

std::optional<double> textToNumber(std::string_view text, std::string_view decimalSeparator) {
  const std::string_view number = trimmed(text);
  // Field texts are short: they are normalised on the stack, longer ones on the heap.
  std::array<char, 40> small;
  std::string large;
  char* buffer = small.data();
  if (number.size() > small.size()) {
    large.resize(number.size());
    buffer = large.data();
  }
  const std::optional<std::size_t> length = normalise(number, decimalSeparator, buffer);
  if (!length || *length == 0) {
    return std::nullopt;
  }
  const std::string_view s(buffer, *length);
  const std::optional<Syntax> syntax = parseSyntax(s);
  if (!syntax) {
    return std::nullopt;
  }
  if (const std::optional<double> exact = exactlyScaled(s, *syntax)) {
    return exact;
  }
  // from_chars takes no leading plus sign.
  const char* first = s.data() + (s[0] == '+' ? 1 : 0);
  const char* last = s.data() + s.size();
  double value = 0;
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    if (decimalMagnitude(s, *syntax) > 0) {
      return std::nullopt;  // too large for a double
    }
    return s[0] == '-' ? -0.0 : 0.0;  // too small: rounds to zero
  }
  if (error != std::errc{} || end != last) {
    return std::nullopt;
  }
  return value;
}

std::string numberToText(double x, std::string_view decimalSeparator) {
  if (x == 0) {
    return "0";  // also for -0, which is no negative value to show
  }
  const Rounded r = roundedTo15(x);
  const std::string_view digits(r.digits.data(), r.count);
  std::string out;
  out.reserve(24 + decimalSeparator.size());
  if (r.negative) {
    out += '-';
  }
  if (r.exponent >= -4 && r.exponent < 15) {
    writePlain(digits, r.exponent, decimalSeparator, out);
  } else {
    writeScientific(digits, r.exponent, decimalSeparator, out);
  }
  return out;
}

}  // namespace varnok
