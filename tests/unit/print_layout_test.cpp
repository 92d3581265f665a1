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

TEST_F(PrintLayoutTest, LinesBreakAtTheLastWholeCharacterThatFitsAndTabsStopEveryEightWidths) {
  const auto lead = [](unsigned char b) { return b == 0x81; };
  const struct {
    std::string line;
    int width;
    bool double_byte;
    Commands commands;
  } cases[] = {
      {"aaaa bbbbbbbbbbbbbbbb", 100, false, {{0, 0, "aaaa bbbbb"}, {0, 14, "bbbbbbbbbb"}, {0, 28, "b"}}},
      {"ab", 5, false, {{0, 0, "a"}, {0, 14, "b"}}},  // narrower than a character: one a line
      {"ab\x81\x40", 30, true, {{0, 0, "ab"}, {0, 14, "\x81\x40"}}},
      {"ab\x81\x40", 30, false, {{0, 0, "ab\x81"}, {0, 14, "\x40"}}},
      {"ab\x81", 100, true, {{0, 0, "ab\x81"}}},
      {"\tx", 100, false, {{80, 0, "x"}}},
      {"12345678\tx", 100, false, {{0, 0, "12345678"}, {0, 14, "x"}}},  // stop 160 is past the edge
      {"a\t\tb", 100, false, {{0, 0, "a"}, {0, 14, "b"}}},
      {"abc\tdefghijk", 100, false, {{0, 0, "abc"}, {80, 0, "de"}, {0, 14, "fghijk"}}},
  };
  for (const auto& c : cases) {
    const auto pages = LayOut({c.line, ""}, c.width, 1000, c.double_byte ? lead : std::function<bool(unsigned char)>());
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].commands, c.commands) << c.line;
  }
  EXPECT_TRUE(LayOut({})[0].commands.empty());
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
