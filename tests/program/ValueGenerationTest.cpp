#include <QTest>
#include <regex>
#include <set>

#include "framework/text/Conversions.h"
#include "tests/support/TestSupport.h"
#include "windows/Window1.h"

namespace {

std::vector<std::string> Lines(const fw::String& text) {
  std::vector<std::string> lines;
  std::string current;
  for (char character : text.View()) {
    if (character == '\r') {
      lines.push_back(current);
      current.clear();
    } else {
      current += character;
    }
  }
  EXPECT_TRUE(current.empty()) << "the output ends with a carriage return";
  return lines;
}

class Calculate : public GeneratorWindowTest {
 protected:
  // Fills the fields as a user would and presses "Calculate".
  void Press(const char* low, const char* high, const char* count) {
    window().LowFld()->SetText("");
    window().HighFld()->SetText("");
    window().repsFld()->SetText("");
    Type(window().LowFld(), low);
    Type(window().HighFld(), high);
    Type(window().repsFld(), count);
    alerts_.events.clear();
    Click(window().CalcBtn());
  }
  fw::String Output() { return window().RandomFld()->Text(); }
  std::vector<std::string> Refusal(const std::string& message) {
    return {"beep", "message: " + message};
  }
};

TEST_F(Calculate, RefusesBadRangesOneMessageAtATime) {
  struct Case {
    const char* low;
    const char* high;
    const char* message;
  };
  const Case cases[] = {
      {"", "", "Enter lowest random number allowed."},
      {"5", "", "Enter highest random number allowed."},
      {"-3", "10", "Low value cannot be less than 0."},
      {"3", "4", "High value must be higher than low value by \u2265 2."},
      {"10", "2", "High value must be higher than low value by \u2265 2."},
  };
  for (const Case& refused : cases) {
    SCOPED_TRACE(std::string(refused.low) + " to " + refused.high);
    window().RandomFld()->SetText("earlier output\r");
    Press(refused.low, refused.high, "3");
    EXPECT_EQ(alerts_.events, Refusal(refused.message));
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(window().LowFld()->Text(), refused.low);
  }
  EXPECT_EQ(std::string("High value must be higher than low value by \u2265 2.").size(), 50u);
}

TEST_F(Calculate, TruncatesTheRangeTowardZero) {
  struct Case {
    const char* low;
    const char* high;
    std::set<std::string> allowed;
  };
  const Case cases[] = {
      {"-0.5", "4", {"0", "1", "2", "3", "4"}},
      {"2.9", "4.9", {"2", "3", "4"}},
  };
  for (const Case& accepted : cases) {
    SCOPED_TRACE(std::string(accepted.low) + " to " + accepted.high);
    Press(accepted.low, accepted.high, "200");
    EXPECT_TRUE(alerts_.events.empty());
    const fw::String output = Output();
    EXPECT_EQ(output.View().find('\n'), std::string_view::npos);
    // Each line is a bare integer of the range: an empty line would mean a doubled line end.
    const std::vector<std::string> lines = Lines(output);
    ASSERT_EQ(lines.size(), 200u);
    for (const std::string& line : lines) {
      EXPECT_TRUE(accepted.allowed.contains(line)) << '"' << line << '"';
    }
  }
}

TEST_F(Calculate, CountsBelowOneGiveNothingAndNoMessage) {
  for (const char* count : {"0", "-4", "0.9", ""}) {
    SCOPED_TRACE(count);
    Press("0", "10", count);
    EXPECT_EQ(Output(), "");
    EXPECT_TRUE(alerts_.events.empty());
  }
  Press("0", "10", "3.7");
  EXPECT_EQ(Lines(Output()).size(), 3u);
}

TEST_F(Calculate, UniformLinesAreIntegersInTheRangeEndingInCarriageReturns) {
  Press("0", "2", "300");
  const fw::String output = Output();
  EXPECT_EQ(output.View().find('\n'), std::string_view::npos);
  const std::vector<std::string> lines = Lines(output);
  ASSERT_EQ(lines.size(), 300u);
  std::set<std::string> seen(lines.begin(), lines.end());
  EXPECT_EQ(seen, (std::set<std::string>{"0", "1", "2"}));
}

TEST_F(Calculate, GaussianLinesFollowThePatternAndIgnoreTheRange) {
  Click(window().GBtn());
  window().LowFld()->SetText("junk");
  window().repsFld()->SetText("");
  Type(window().repsFld(), "200");
  alerts_.events.clear();
  Click(window().CalcBtn());
  EXPECT_TRUE(alerts_.events.empty());
  const std::vector<std::string> lines = Lines(Output());
  ASSERT_EQ(lines.size(), 200u);
  const std::regex pattern(R"([+-][0-9]*\.[0-9]{6})");
  for (const std::string& line : lines) {
    EXPECT_TRUE(std::regex_match(line, pattern)) << line;
    EXPECT_LT(std::abs(fw::Val(line)), 7.0) << line;
  }
}

TEST_F(Calculate, ASecondPressReplacesTheFirst) {
  Press("0", "1000", "5");
  Click(window().CalcBtn());
  EXPECT_EQ(Lines(Output()).size(), 5u) << "the second press starts from an empty output";
}

TEST_F(Calculate, NoDistributionChosenAsksForOneWithoutABeep) {
  window().btn = 0;
  window().RandomFld()->SetText("old\r");
  Click(window().CalcBtn());
  EXPECT_EQ(alerts_.events,
            std::vector<std::string>{"message: Please select the type of distribution to randomly "
                                     "sample."});
  EXPECT_EQ(Output(), "");
  window().btn = 5;
  alerts_.events.clear();
  window().RandomFld()->SetText("old\r");
  Click(window().CalcBtn());
  EXPECT_TRUE(alerts_.events.empty());
  EXPECT_EQ(Output(), "");
}

TEST_F(Calculate, ReturnInAFieldPressesCalculate) {
  Type(window().LowFld(), "0");
  Type(window().HighFld(), "9");
  window().repsFld()->SetText("4");
  alerts_.events.clear();
  QTest::keyClick(window().HighFld()->Widget(), Qt::Key_Return);
  ProcessEvents();
  EXPECT_TRUE(alerts_.events.empty()) << "Return never reaches the key filter";
  EXPECT_EQ(Lines(Output()).size(), 4u);
}

}  // namespace
