#include "framework/text/Format.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "framework/base/Exceptions.h"

namespace {

using Case = std::tuple<double, std::string, std::string>;

void ExpectFormats(const std::vector<Case>& cases) {
  for (const auto& [value, pattern, expected] : cases) {
    EXPECT_EQ(fw::Format(value, pattern).View(), expected) << value << " with \"" << pattern << '"';
  }
}

TEST(Format, SignedSixDecimals) {
  const std::string pattern = "+##.000000";
  ExpectFormats({
      {0.5, pattern, "+.500000"},
      {-1.25, pattern, "-1.250000"},
      {12.3456789, pattern, "+12.345679"},
      {0.0078125, pattern, "+.007813"},
      {-0.0078125, pattern, "-.007813"},
      {1.0, pattern, "+1.000000"},
      {-0.0000004, pattern, "+.000000"},
      {-0.0000001, pattern, "+.000000"},
      {0.0, pattern, "+.000000"},
      {-0.0, pattern, "+.000000"},
      {-0.0000015, pattern, "-.000002"},
      {99.9999995, pattern, "+100.000000"},
      {12345.0, pattern, "+12345.000000"},
  });
}

TEST(Format, WholeDigitPatterns) {
  ExpectFormats({
      {12345.0, "##", "12345"},
      {5.0, "##", "5"},
      {0.0, "##", ""},
      {0.4, "##", ""},
      {-0.4, "##", ""},
      {0.5, "##", "1"},
      {-2.5, "##", "-3"},
      {7.0, "000", "007"},
      {-7.0, "000", "-007"},
      {1234.0, "#0#", "1234"},
      {0.0, "+0", "+0"},
      {-0.0, "+0", "+0"},
      {3.0, "+0", "+3"},
      {-3.0, "+0", "-3"},
      {42.0, "", "42"},
  });
}

TEST(Format, FractionPatterns) {
  ExpectFormats({
      {0.0, "0.00", "0.00"},
      {-0.001, "0.00", "0.00"},
      {3.14159, "0.00", "3.14"},
      {1.005, "0.00", "1.00"},
      {0.125, "0.00", "0.13"},  // a true tie
      {1.5, "#.##", "1.5"},
      {1.0, "#.##", "1."},
      {0.0, "#.##", "."},
      {0.999, "#.##", "1."},
      {1.05, "0.0#", "1.05"},
      {1.5, "0.0#", "1.5"},
      {1.0, "0.#0", "1.00"},
      {1.25, "0.", "1."},
  });
}

TEST(Format, ProductsThatLandOnAHalfRoundByTheTrueValue) {
  // Each product with the power of ten rounds to exactly .5, though the stored value is below
  // the tie; the last one is stored above it.
  ExpectFormats({
      {2.675, "0.00", "2.67"},
      {1.115, "0.00", "1.11"},
      {4.35, "0.0", "4.3"},
      {0.0000005, "+##.000000", "+.000000"},
      {0.0000025, "+##.000000", "+.000003"},
  });
}

TEST(Format, TrueTiesRoundAwayFromZero) {
  ExpectFormats({
      {2.5, "0", "3"},
      {-2.5, "0", "-3"},
      {9.5, "#", "10"},
      {99.5, "0", "100"},
      {0.96875, "0.0000", "0.9688"},
      {4503599627370495.5, "0", "4503599627370496"},
      {900719925474099.25, "0.0", "900719925474099.3"},
      {-900719925474099.25, "0.0", "-900719925474099.3"},
      {0x1p-31, "." + std::string(30, '#'), ".000000000465661287307739257813"},
  });
}

TEST(Format, HugeAndTinyValues) {
  ExpectFormats({
      {1e20, "0", "100000000000000000000"},
      {-1e20, "+0.0", "-100000000000000000000.0"},
      {900719925474099.125, "0.0", "900719925474099.1"},
      {1e-300, "0.00", "0.00"},
      {std::numeric_limits<double>::denorm_min(), "+.00", "+.00"},
      {0.5, "." + std::string(30, '0'), ".5" + std::string(29, '0')},
      {0x1p-30, "." + std::string(30, '#'), ".000000000931322574615478515625"},
  });
  // Beyond 2^53 a double's exact digits are written, not a shortened form.
  const std::string huge = fw::Format(1e300, "#").ToStdString();
  EXPECT_EQ(huge.size(), 301u);
  EXPECT_TRUE(huge.starts_with("10000000000000000525047602552044202487")) << huge;
  const std::string largest = fw::Format(-std::numeric_limits<double>::max(), "+0.0").ToStdString();
  EXPECT_EQ(largest.size(), 312u);
  EXPECT_TRUE(largest.starts_with("-17976931348623157081452742373170435679")) << largest;
  EXPECT_TRUE(largest.ends_with("858368.0")) << largest;
}

TEST(Format, NonFiniteValues) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  ExpectFormats({
      {std::numeric_limits<double>::quiet_NaN(), "+##.000000", "NaN"},
      {std::numeric_limits<double>::quiet_NaN(), "0", "NaN"},
      {kInfinity, "+##.000000", "+Inf"},
      {kInfinity, "0.00", "Inf"},
      {-kInfinity, "+##.000000", "-Inf"},
      {-kInfinity, "0", "-Inf"},
  });
}

TEST(Format, InvalidPatternsThrowAndNameThePattern) {
  for (const std::string pattern : {"x", "0.0.0", "#+", "++0", "0,000", " 0", "0.0e", "$0.00"}) {
    try {
      fw::Format(1.0, pattern);
      ADD_FAILURE() << "accepted \"" << pattern << '"';
    } catch (const fw::InvalidArgumentException& error) {
      EXPECT_NE(std::string(error.what()).find('"' + pattern + '"'), std::string::npos)
          << error.what();
    }
  }
}

TEST(Format, ARejectedPatternDoesNotDisturbTheLastOne) {
  EXPECT_EQ(fw::Format(1.5, "0.00"), "1.50");
  EXPECT_THROW(fw::Format(1.5, "0.0x"), fw::InvalidArgumentException);
  EXPECT_EQ(fw::Format(1.5, "0.00"), "1.50");
  EXPECT_THROW(fw::Format(1.5, "0.0x"), fw::InvalidArgumentException);
  EXPECT_EQ(fw::Format(2.0, ""), "2");
  EXPECT_EQ(fw::Format(2.0, "0.0"), "2.0");
  EXPECT_EQ(fw::Format(2.0, ""), "2");
}

}  // namespace
