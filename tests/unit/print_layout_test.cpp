// Printing: where each piece of a text goes on which page.
#include "core/dialog/print_layout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace markwash {
namespace {

// Every byte is 10 wide and 12 high, but "B" makes its text 20 high; the
// font's text height is 10, so empty lines (10) and text lines (12 + 2)
// move the position differently.
struct Measurer : TextMeasurer {
  TextExtent Extent(std::string_view text) const override {
    return {static_cast<int>(text.size()) * 10, text.find('B') != std::string_view::npos ? 20 : 12};
  }
  int TextHeight() const override { return 10; }
  int AverageCharWidth() const override { return 10; }
};

TEST(PrintLayout, LinesBreakAtWholeCharactersTabsStopEveryEightWidthsAndPagesEndInTime) {
  for (const auto& [lines, width, printed] : {
           // Breaking a line, double-byte characters (lead byte 0x81) and tab stops.
           std::tuple<TextLines, int, std::string>{{"aaaa bbbbbbbbbbbbbbbb", ""}, 100,
                                                   "|0,0:aaaa bbbbb 0,14:bbbbbbbbbb 0,28:b "},
           {{"ab"}, 5, "|0,0:a 0,14:b "},  // narrower than a character: one a line
           {{"ab\x81\x40", "ab\x81"}, 30, "|0,0:ab 0,14:\x81\x40 0,28:ab\x81 "},  // and a lead byte at the very end
           {{"\tx", "12345678\tx"}, 100, "|80,0:x 0,14:12345678 0,28:x "},  // stop 160 is past the edge
           {{"a\t\tb", "abc\tdefghijk"}, 100, "|0,0:a 0,14:b 0,28:abc 80,28:de 0,42:fghijk "},
           {{"a\tB\tc", "d"}, 1000, "|0,0:a 80,0:B 160,0:c 0,22:d "},  // the tallest text + 2
           // Text lines (14) end a page below 100 - 28; empty lines (10) only below 100.
           {{"1", "2", "3", "4", "5", "6", "7"}, 100, "|0,0:1 0,14:2 0,28:3 0,42:4 0,56:5 0,70:6 |0,0:7 "},
           {{"", "", "", "", "", "", "", "", "", "", "", "x"}, 100, "||0,0:x "},
           {{"", "", "", "", "", "", "", "", "", "x"}, 100, "||0,0:x "},  // 12 high at 90: off the paper
           {{"", "", "", "", "", "", "", "", "x"}, 100, "|0,80:x "},
           // A form feed starts a page; an empty page is not sent at the end.
           {{"a\fb", "c", "\f", "d"}, 100, "|0,0:a |0,0:b 0,14:c |0,10:d "},
           {{"1", "\f\f2", "3\f"}, 100, "|0,0:1 ||0,0:2 0,14:3 "},
           {{}, 100, "|"}}) {
    std::string pages;  // "|" starts a page, "x,y:text " is a piece
    const auto lead = [](unsigned char b) { return b == 0x81; };
    for (const PrintPage& page : LayOutPrintPages(LineBlock(JoinLines(lines)), Measurer(), width, 100, lead)) {
      pages += "|";
      for (const DrawCommand& c : page.commands)
        pages += std::to_string(c.x) + "," + std::to_string(c.y) + ":" + c.text + " ";
    }
    EXPECT_EQ(pages, printed) << ::testing::PrintToString(lines);
  }
}

}  // namespace
}  // namespace markwash
