#include "framework/text/String.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using fw::String;

TEST(String, EmptyStrings) {
  const String none;
  EXPECT_TRUE(none.IsEmpty());
  EXPECT_EQ(none.Size(), 0u);
  EXPECT_EQ(none, "");
  EXPECT_EQ(none, String(""));
  EXPECT_EQ(none + "", "");
  EXPECT_EQ(none + "x", "x");
  EXPECT_EQ(String("x") + none, "x");
}

TEST(String, EqualityComparesText) {
  EXPECT_EQ(String("abc"), String(std::string("abc")));
  EXPECT_EQ(String("abc"), std::string_view("abc"));
  EXPECT_FALSE(String("abc") == "abd");
  EXPECT_FALSE(String("abc") == "ab");
  EXPECT_EQ(String(std::string_view("a\0b", 3)).Size(), 3u);
  EXPECT_FALSE(String(std::string_view("a\0b", 3)) == "a");
}

TEST(String, CopiesShareOneBuffer) {
  const String original("shared");
  const String copy = original;
  EXPECT_TRUE(original.IsPrefixOfSameBuffer(copy));
  EXPECT_TRUE(copy.IsPrefixOfSameBuffer(original));
  EXPECT_FALSE(original.IsPrefixOfSameBuffer(String("shared")));
  EXPECT_FALSE(String().IsPrefixOfSameBuffer(String()));
}

TEST(String, AppendingToTheNewestCopyGrowsInPlace) {
  const String older("abc");
  String newer = older;
  newer += "def";
  EXPECT_EQ(older, "abc");
  EXPECT_EQ(newer, "abcdef");
  EXPECT_TRUE(older.IsPrefixOfSameBuffer(newer));
  EXPECT_FALSE(newer.IsPrefixOfSameBuffer(older));
}

TEST(String, RepeatedConcatenationKeepsOneBuffer) {
  String text("start");
  const String first = text;
  std::string expected = "start";
  for (int i = 0; i < 1000; ++i) {
    text = text + "-more";
    expected += "-more";
  }
  EXPECT_EQ(text.View(), expected);
  EXPECT_EQ(first, "start");
  EXPECT_TRUE(first.IsPrefixOfSameBuffer(text));
}

TEST(String, AppendingToAnOlderCopyCopies) {
  String older("abc");
  String newer = older + "def";
  older += "XYZ";
  EXPECT_EQ(older, "abcXYZ");
  EXPECT_EQ(newer, "abcdef");
  EXPECT_FALSE(older.IsPrefixOfSameBuffer(newer));
  newer += "ghi";
  EXPECT_EQ(newer, "abcdefghi");
  EXPECT_EQ(older, "abcXYZ");
}

TEST(String, SiblingsOfEqualLengthDoNotSeeEachOthersAppends) {
  const String base("base");
  String left = base;
  String right = base;
  left += "-left";
  right += "-right";
  EXPECT_EQ(base, "base");
  EXPECT_EQ(left, "base-left");
  EXPECT_EQ(right, "base-right");
}

TEST(String, SelfAppendSurvivesReallocation) {
  String text(std::string(100, 'a') + "z");
  const std::string once = text.ToStdString();
  text = text + text;
  EXPECT_EQ(text.View(), once + once);
  text += text.View();
  EXPECT_EQ(text.View(), once + once + once + once);
  const String prefix = text;
  String grown = prefix;
  grown += prefix.View().substr(0, 3);
  EXPECT_EQ(grown.View(), once + once + once + once + "aaa");
}

TEST(String, MovedFromStringIsEmptyAndUsable) {
  String constructedFrom("hello");
  const String constructed = std::move(constructedFrom);
  EXPECT_EQ(constructed, "hello");
  EXPECT_TRUE(constructedFrom.IsEmpty());
  constructedFrom += "again";
  EXPECT_EQ(constructedFrom, "again");

  String assignedFrom("second");
  String assigned("first");
  assigned = std::move(assignedFrom);
  EXPECT_EQ(assigned, "second");
  EXPECT_TRUE(assignedFrom.IsEmpty());
  assignedFrom += "!";
  EXPECT_EQ(assignedFrom, "!");
}

}  // namespace
