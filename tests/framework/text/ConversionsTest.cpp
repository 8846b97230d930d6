#include "framework/text/Conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "framework/base/Exceptions.h"

namespace {

using namespace std::string_view_literals;
using Int64Limits = std::numeric_limits<std::int64_t>;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(Conversions, ReadsTheLeadingPlainNumber) {
  const std::vector<std::pair<std::string, double>> cases = {
      {"42", 42.0},   {"-0.5", -0.5},    {"+7", 7.0},         {"12.5abc", 12.5},
      {".5", 0.5},    {"5.", 5.0},       {"  \t 3.25", 3.25}, {"007", 7.0},
      {"1e5", 1.0},   {"1e308", 1.0},    {"0x1F", 0.0},       {"3,5", 3.0},
      {"1.2.3", 1.2}, {"-12 34", -12.0}, {"9.75 ", 9.75},     {"123456789012", 123456789012.0},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_DOUBLE_EQ(fw::Val(text), expected) << '"' << text << '"';
  }
}

TEST(Conversions, TextWithoutANumberIsZero) {
  for (const std::string text : {"", "-", "+", ".", "-.", "+.", "/", "abc", " ", "\n5", "- 5",
                                 "+-5", "inf", "-inf", "nan", "Infinity", "\xFF"}) {
    EXPECT_EQ(fw::Val(text), 0.0) << '"' << text << '"';
  }
}

TEST(Conversions, StopsAtAnEmbeddedNul) {
  EXPECT_EQ(fw::Val("12\0 34"sv), 12.0);
  EXPECT_EQ(fw::Val("\0 34"sv), 0.0);
}

TEST(Conversions, HugeAndTinyDigitStrings) {
  const std::string nines(400, '9');
  EXPECT_EQ(fw::Val(nines), kInfinity);
  EXPECT_EQ(fw::Val("-" + nines), -kInfinity);
  EXPECT_EQ(fw::Val("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(fw::Val("0." + nines), 1.0);
  EXPECT_EQ(fw::Val(std::string(400, '0') + "12"), 12.0);
  EXPECT_DOUBLE_EQ(fw::Val("1" + std::string(308, '0')), 1e308);
}

TEST(Conversions, TruncatesTowardZero) {
  EXPECT_EQ(fw::ToInt64(2.9), 2);
  EXPECT_EQ(fw::ToInt64(-2.9), -2);
  EXPECT_EQ(fw::ToInt64(-0.0), 0);
  EXPECT_EQ(fw::ToInt64(0x1p53 + 2), 9007199254740994);
}

TEST(Conversions, SaturatesAtBothBoundsAndMapsNaNToZero) {
  EXPECT_EQ(fw::ToInt64(0x1p63), Int64Limits::max());
  EXPECT_EQ(fw::ToInt64(1e300), Int64Limits::max());
  EXPECT_EQ(fw::ToInt64(kInfinity), Int64Limits::max());
  EXPECT_EQ(fw::ToInt64(std::nextafter(0x1p63, 0.0)), 9223372036854774784);
  EXPECT_EQ(fw::ToInt64(-0x1p63), Int64Limits::min());
  EXPECT_EQ(fw::ToInt64(-1e300), Int64Limits::min());
  EXPECT_EQ(fw::ToInt64(-kInfinity), Int64Limits::min());
  EXPECT_EQ(fw::ToInt64(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(fw::ToInt64(fw::Val(std::string(400, '9'))), Int64Limits::max());
}

TEST(Conversions, PlainDecimalAndFormatted) {
  EXPECT_EQ(fw::Str(0), "0");
  EXPECT_EQ(fw::Str(-42), "-42");
  EXPECT_EQ(fw::Str(Int64Limits::max()), "9223372036854775807");
  EXPECT_EQ(fw::Str(Int64Limits::min()), "-9223372036854775808");
  EXPECT_EQ(fw::Str(7, "000"), "007");
  EXPECT_EQ(fw::Str(7, "+0.00"), "+7.00");
  EXPECT_THROW(fw::Str(7, "x"), fw::InvalidArgumentException);
}

TEST(Conversions, EncodesOneCodePoint) {
  EXPECT_EQ(fw::Chr(13), "\r");
  EXPECT_EQ(fw::Chr(65), "A");
  EXPECT_EQ(fw::Chr(0), "\0"sv);
  EXPECT_EQ(fw::Chr(0xE9), "\xC3\xA9");
  EXPECT_EQ(fw::Chr(0x20AC), "\xE2\x82\xAC");
  EXPECT_EQ(fw::Chr(0xFEFF), "\xEF\xBB\xBF");
  EXPECT_EQ(fw::Chr(0x1F600), "\xF0\x9F\x98\x80");
  EXPECT_EQ(fw::Chr(0x10FFFF), "\xF4\x8F\xBF\xBF");
}

TEST(Conversions, InvalidCodePointsGiveEmptyText) {
  for (const std::int64_t codePoint :
       {std::int64_t{-1}, std::int64_t{0xD800}, std::int64_t{0xDFFF}, std::int64_t{0x110000},
        std::int64_t{0x1'0000'0041}, Int64Limits::min(), Int64Limits::max()}) {
    EXPECT_TRUE(fw::Chr(codePoint).IsEmpty()) << codePoint;
  }
}

TEST(Conversions, ReadsTheFirstCodePoint) {
  EXPECT_EQ(fw::Asc(""), 0);
  EXPECT_EQ(fw::Asc("A"), 65);
  EXPECT_EQ(fw::Asc("\r\n"), 13);
  EXPECT_EQ(fw::Asc("\0A"sv), 0);
  EXPECT_EQ(fw::Asc("\xC3\xA9t\xC3\xA9"), 0xE9);
  EXPECT_EQ(fw::Asc("\xEF\xBB\xBFx"), 0xFEFF);
  EXPECT_EQ(fw::Asc("\xEF\xBF\xBD"), 0xFFFD);
  EXPECT_EQ(fw::Asc("\xF0\x9F\x98\x80\xFF"), 0x1F600);
}

TEST(Conversions, MalformedFirstSequenceGivesItsFirstByte) {
  const std::vector<std::string> malformed = {
      "\xFF",              // never valid
      "\x80z",             // continuation byte first
      "\xC3",              // truncated
      "\xE2\x82z",         // truncated before another character
      "\xC0\x80",          // overlong
      "\xED\xA0\x80",      // encoded surrogate
      "\xF4\x90\x80\x80",  // beyond U+10FFFF
  };
  for (const std::string& text : malformed) {
    EXPECT_EQ(fw::Asc(text), static_cast<unsigned char>(text.front())) << text.size();
  }
}

TEST(Conversions, RoundTripsWithChr) {
  for (const std::int64_t codePoint : {1, 0x7F, 0x80, 0x7FF, 0x800, 0xFFFF, 0x10000, 0x10FFFF}) {
    EXPECT_EQ(fw::Asc(fw::Chr(codePoint).View()), codePoint);
  }
}

}  // namespace
