#include "core/dialog/print_layout.h"

#include <gtest/gtest.h>

namespace markwash {
namespace {

// Every byte is 10 wide; text is 12 high, the font's text height is 10, so
// empty lines (10) and text lines (12 + 2) move the position differently.
class FixedWidthMeasurer : public TextMeasurer {
 public:
  TextExtent Extent(std::string_view text) const override {
    return {static_cast<int>(text.size()) * 10, 12};
  }
  int TextHeight() const override { return 10; }
  int AverageCharWidth() const override { return 10; }
};

// Capital letters stand for a taller font on parts of a line.
class MixedHeightMeasurer : public FixedWidthMeasurer {
 public:
  TextExtent Extent(std::string_view text) const override {
    const bool tall = text.find_first_of("ABC") != std::string_view::npos;
    return {static_cast<int>(text.size()) * 10, tall ? 20 : 12};
  }
};

using Commands = std::vector<DrawCommand>;

class PrintLayoutTest : public ::testing::Test {
 protected:
  std::vector<PrintPage> LayOut(const TextLines& lines, int width = 100, int height = 100,
                                const std::function<bool(unsigned char)>& lead = {}) {
    return LayOutPrintPages(lines, measurer_, width, height, lead);
  }
  FixedWidthMeasurer measurer_;
};

TEST_F(PrintLayoutTest, EmptyListGivesOneEmptyPage) {
  const auto pages = LayOut({});
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(pages[0].commands.empty());
}

TEST_F(PrintLayoutTest, LinesAreBrokenAtTheLastCharacterThatFits) {
  struct Case { TextLines lines; int width; Commands commands; };
  const Case cases[] = {
      {{"abcdefghijklmnop"}, 100, {{0, 0, "abcdefghij"}, {0, 14, "klmnop"}}},
      {{"aaaa bbbbbbbb"}, 100, {{0, 0, "aaaa bbbbb"}, {0, 14, "bbb"}}},   // not at the blank
      {{"abcdefghij", "k"}, 100, {{0, 0, "abcdefghij"}, {0, 14, "k"}}},   // exactly full
      {{"abcdefghijklmnopqrstuvwxy"}, 100,
       {{0, 0, "abcdefghij"}, {0, 14, "klmnopqrst"}, {0, 28, "uvwxy"}}},
      {{"ab"}, 5, {{0, 0, "a"}, {0, 14, "b"}}},  // wider than the page: one character a line
  };
  for (const auto& c : cases) {
    const auto pages = LayOut(c.lines, c.width);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].commands, c.commands) << c.lines[0];
  }
}

TEST_F(PrintLayoutTest, DoubleByteCharacterIsNeverSplit) {
  const auto lead = [](unsigned char b) { return b == 0x81; };
  EXPECT_EQ(LayOut({"ab\x81\x40"}, 30, 100, lead)[0].commands,
            (Commands{{0, 0, "ab"}, {0, 14, "\x81\x40"}}));
  EXPECT_EQ(LayOut({"ab\x81\x40"}, 30)[0].commands,
            (Commands{{0, 0, "ab\x81"}, {0, 14, "\x40"}}));
  // A lead byte that ends the line is a character of its own.
  EXPECT_EQ(LayOut({"abc\x81"}, 30, 100, lead)[0].commands, (Commands{{0, 0, "abc"}, {0, 14, "\x81"}}));
}

TEST_F(PrintLayoutTest, TabsMoveToTheNextStopOfEightAverageWidths) {
  struct Case { std::string line; Commands commands; };
  const Case cases[] = {
      {"a\tb", {{0, 0, "a"}, {80, 0, "b"}}},
      {"\tx", {{80, 0, "x"}}},
      {"12345678\tx", {{0, 0, "12345678"}, {0, 14, "x"}}},  // stop 160 is past the edge
      {"a\t\tb", {{0, 0, "a"}, {0, 14, "b"}}},
      {"abc\tdefghijk", {{0, 0, "abc"}, {80, 0, "de"}, {0, 14, "fghijk"}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LayOut({c.line}, 100, 1000)[0].commands, c.commands) << c.line;
  }
}

TEST_F(PrintLayoutTest, PageEndsWithinTwoLineHeightsOfTheBottom) {
  // Text lines are 14 high: after the line at 70 the position 84 lies below 100 - 28.
  const auto pages = LayOut({"1", "2", "3", "4", "5", "6", "7", "8"});
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].commands.size(), 6u);
  EXPECT_EQ(pages[0].commands.back(), (DrawCommand{0, 70, "6"}));
  EXPECT_EQ(pages[1].commands, (Commands{{0, 0, "7"}, {0, 14, "8"}}));
}

TEST_F(PrintLayoutTest, FullLastPageSendsNoBlankPageAfterIt) {
  EXPECT_EQ(LayOut({"1", "2", "3", "4", "5", "6"}).size(), 1u);
  EXPECT_EQ(LayOut({"1", "\f\f2"}).size(), 3u);  // a blank page fed in the middle stays
  EXPECT_EQ(LayOut({"1", "\f"}).size(), 1u);
  EXPECT_EQ(LayOut({"1\f"}).size(), 1u);
}

TEST_F(PrintLayoutTest, EmptyLinesUseTextHeightAndBreakOnlyBelowThePage) {
  // Ten empty lines reach 100, which is not below the page height 100.
  TextLines lines(10, "");
  lines.push_back("");
  lines.push_back("x");
  auto pages = LayOut(lines, 100, 100);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[1].commands, (Commands{{0, 0, "x"}}));
  // Nine empty lines leave the position at 90, where a line of text 12 high
  // would run off the paper: it goes to the next page.
  lines.assign(9, "");
  lines.push_back("x");
  pages = LayOut(lines, 100, 100);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[1].commands, (Commands{{0, 0, "x"}}));
  // Eight leave 80: the text still fits there.
  lines.erase(lines.begin());
  pages = LayOut(lines, 100, 100);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].commands, (Commands{{0, 80, "x"}}));
}

TEST_F(PrintLayoutTest, LineHeightIsTheTallestTextOnTheLinePlusTwo) {
  const MixedHeightMeasurer mixed;
  const auto pages = LayOutPrintPages({"a\tB\tc", "d"}, mixed, 1000, 1000);
  EXPECT_EQ(pages[0].commands, (Commands{{0, 0, "a"}, {80, 0, "B"}, {160, 0, "c"}, {0, 22, "d"}}));
}

TEST_F(PrintLayoutTest, FormFeedStartsANewPageAtTheTopLeft) {
  const auto pages = LayOut({"a\fb", "c", "\f", "d"});
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].commands, (Commands{{0, 0, "a"}}));
  EXPECT_EQ(pages[1].commands, (Commands{{0, 0, "b"}, {0, 14, "c"}}));
  EXPECT_EQ(pages[2].commands, (Commands{{0, 10, "d"}}));  // the fed line ends as an empty one
}

}  // namespace
}  // namespace markwash
