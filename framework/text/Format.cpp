#include "framework/text/Format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "framework/base/Exceptions.h"

namespace fw {
namespace {

struct ParsedPattern {
  bool alwaysSigned = false;
  bool hasPoint = false;
  std::size_t minimumWholeDigits = 0;
  std::size_t decimals = 0;
  std::size_t alwaysWrittenDecimals = 0;
};

// The rounded magnitude as digits: `whole` has no leading zeros (so zero is empty), and
// `fraction` has exactly the pattern's number of decimals.
struct RoundedDigits {
  std::string_view whole;
  std::string_view fraction;
};

constexpr std::string_view kDigitMarks = "#0";

// Every power of ten up to 10^22 is exact in a double, so scaling by one adds a single rounding.
constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Below 2^52 every multiple of one half is a double, so rounding the scaled value can only go
// wrong when the product itself landed on a half.
constexpr double kExactHalvesLimit = 0x1p52;

// No double has a set bit below 2^-1074.
constexpr std::size_t kLowestBitPlace = static_cast<std::size_t>(
    std::numeric_limits<double>::digits - std::numeric_limits<double>::min_exponent);

[[noreturn]] void RejectPattern(std::string_view pattern) {
  throw InvalidArgumentException("The format pattern \"" + std::string(pattern) +
                                 "\" holds a character other than +, #, 0 and one point.");
}

ParsedPattern Parse(std::string_view pattern) {
  ParsedPattern parsed;
  std::string_view rest = pattern;
  if (rest.starts_with('+')) {
    parsed.alwaysSigned = true;
    rest.remove_prefix(1);
  }
  const std::size_t point = rest.find('.');
  const std::string_view whole = rest.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : rest.substr(point + 1);
  if (whole.find_first_not_of(kDigitMarks) != std::string_view::npos ||
      fraction.find_first_not_of(kDigitMarks) != std::string_view::npos) {
    RejectPattern(pattern);
  }
  parsed.hasPoint = point != std::string_view::npos;
  parsed.minimumWholeDigits = static_cast<std::size_t>(std::ranges::count(whole, '0'));
  parsed.decimals = fraction.size();
  const std::size_t lastZero = fraction.rfind('0');
  parsed.alwaysWrittenDecimals = lastZero == std::string_view::npos ? 0 : lastZero + 1;
  return parsed;
}

// The empty pattern parses to a default ParsedPattern, so the initial cache is already right.
const ParsedPattern& ParseCached(std::string_view pattern) {
  thread_local std::string lastPattern;
  thread_local ParsedPattern lastParsed;
  if (pattern != lastPattern) {
    lastParsed = Parse(pattern);
    lastPattern.assign(pattern);
  }
  return lastParsed;
}

RoundedDigits MakeDigits(std::string_view whole, std::string_view fraction) {
  return {whole == "0" ? std::string_view() : whole, fraction};
}

RoundedDigits DigitsOfScaled(std::uint64_t scaled, std::size_t decimals, std::string& buffer) {
  std::array<char, std::numeric_limits<std::uint64_t>::digits10 + 1> digits;
  const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), scaled).ptr;
  const std::size_t count = static_cast<std::size_t>(end - digits.data());
  // At least one digit before the decimals keeps the split uniform.
  buffer.assign(std::max(count, decimals + 1) - count, '0');
  buffer.append(digits.data(), count);
  const std::string_view all = buffer;
  return MakeDigits(all.substr(0, all.size() - decimals), all.substr(all.size() - decimals));
}

// A tie at d decimals is an odd multiple of 2^-(d+1).
bool IsHalfway(double magnitude, std::size_t decimals) {
  if (decimals >= kLowestBitPlace) {
    return false;
  }
  return std::fmod(std::ldexp(magnitude, static_cast<int>(decimals) + 1), 2.0) == 1.0;
}

void WriteFixed(double magnitude, std::size_t decimals, std::string& buffer) {
  constexpr std::size_t kLongestWhole = std::numeric_limits<double>::max_exponent10 + 1;
  buffer.resize(kLongestWhole + 1 + decimals);
  const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                  std::chars_format::fixed, static_cast<int>(decimals))
                        .ptr;
  buffer.resize(static_cast<std::size_t>(end - buffer.data()));
}

// Adds one unit in the last place to decimal digits that may hold a point.
void RoundUpLastDigit(std::string& digits) {
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
    if (*digit == '.') {
      continue;
    }
    if (*digit != '9') {
      ++*digit;
      return;
    }
    *digit = '0';
  }
  digits.insert(digits.begin(), '1');
}

// to_chars rounds exact ties to even. A tie's exact expansion ends one place further with a
// 5, so it is written out to that place, the 5 dropped, and the rest rounded up by hand.
RoundedDigits DigitsExactly(double magnitude, std::size_t decimals, std::string& buffer) {
  const bool halfway = IsHalfway(magnitude, decimals);
  WriteFixed(magnitude, halfway ? decimals + 1 : decimals, buffer);
  if (halfway) {
    buffer.pop_back();
    if (buffer.back() == '.') {
      buffer.pop_back();
    }
    RoundUpLastDigit(buffer);
  }
  const std::string_view all = buffer;
  const std::size_t point = all.find('.');
  return MakeDigits(all.substr(0, point),
                    point == std::string_view::npos ? std::string_view() : all.substr(point + 1));
}

RoundedDigits RoundMagnitude(double magnitude, std::size_t decimals, std::string& buffer) {
  if (decimals < kExactPowersOfTen.size()) {
    const double scaled = magnitude * kExactPowersOfTen[decimals];
    if (scaled < kExactHalvesLimit && scaled - std::floor(scaled) != 0.5) {
      return DigitsOfScaled(static_cast<std::uint64_t>(std::round(scaled)), decimals, buffer);
    }
  }
  return DigitsExactly(magnitude, decimals, buffer);
}

std::string_view TrimOptionalZeros(std::string_view fraction, std::size_t alwaysWritten) {
  const std::size_t lastSignificant = fraction.find_last_not_of('0');
  const std::size_t significant =
      lastSignificant == std::string_view::npos ? 0 : lastSignificant + 1;
  return fraction.substr(0, std::max(significant, alwaysWritten));
}

String Assemble(const ParsedPattern& pattern, bool negative, const RoundedDigits& digits) {
  thread_local std::string text;
  text.clear();
  const bool isZero =
      digits.whole.empty() && digits.fraction.find_first_not_of('0') == std::string_view::npos;
  if (negative && !isZero) {
    text += '-';
  } else if (pattern.alwaysSigned) {
    text += '+';
  }
  if (digits.whole.size() < pattern.minimumWholeDigits) {
    text.append(pattern.minimumWholeDigits - digits.whole.size(), '0');
  }
  text += digits.whole;
  if (pattern.hasPoint) {
    text += '.';
    text += TrimOptionalZeros(digits.fraction, pattern.alwaysWrittenDecimals);
  }
  return String(text);
}

String NonFinite(const ParsedPattern& pattern, double value) {
  if (std::isnan(value)) {
    return String("NaN");
  }
  if (value < 0) {
    return String("-Inf");
  }
  return String(pattern.alwaysSigned ? "+Inf" : "Inf");
}

}  // namespace

String Format(double value, std::string_view pattern) {
  const ParsedPattern& parsed = ParseCached(pattern);
  if (!std::isfinite(value)) {
    return NonFinite(parsed, value);
  }
  thread_local std::string digitBuffer;
  const RoundedDigits digits = RoundMagnitude(std::fabs(value), parsed.decimals, digitBuffer);
  return Assemble(parsed, std::signbit(value), digits);
}

}  // namespace fw
