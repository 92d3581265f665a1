#include <gtest/gtest.h>

#include <tuple>

#include "core/dialog/message_position.h"
#include "core/dialog/message_selection.h"
#include "core/dialog/wrapped_rows.h"

namespace markwash {
namespace {

using Starts = std::vector<std::size_t>;

TEST(WrappedRows, RowsBreakAfterTheLastBlankThatFitsOrCutALongWord) {
  for (const auto& [line, width, starts] : {
           std::tuple<const char*, int, Starts>{"", 5, {0}}, {"abcdef", 5, {0, 5}},
           {"ab cd ef", 5, {0, 6}},  // "ab cd " then "ef"
           {"ab   cd", 2, {0, 5}},   // blanks run past the edge, never start a row
           {"abcdefghij", 3, {0, 3, 6, 9}},
           {"ab cdefgh", 3, {0, 3, 6}},  // the word after the blank is longer than a row
           {"a b", 1, {0, 2}}, {"\tx", 8, {0, 1}},  // a tab takes 8 columns
           {"ab\tcdefghijk", 12, {0, 3}}, {"12345678 abc", 8, {0, 9}}}) {
    Starts got{7, 8};  // what an earlier line left in the buffer goes
    RowStarts(line, width, got);
    EXPECT_EQ(got, starts) << '"' << line << "\" at " << width;
    EXPECT_EQ(RowCount(line, width), starts.size()) << '"' << line << "\" at " << width;
  }
  EXPECT_EQ(ExpandTabs("a\tb\t"), "a       b       ");
  EXPECT_EQ(ExpandTabs("a\tb\tcde", 10), "a       b ");
}

TEST(WrappedRows, TheIndexFindsEveryRowsLineAtEveryWidth) {
  const TextLines lines = {"one two three", "", "\tfour", "fivesixseveneight", "x"};
  for (int width = 1; width <= 20; ++width) {
    SCOPED_TRACE(width);
    WrapIndex index;
    index.Build(LineBlock(JoinLines(lines)), width);
    std::size_t row = 0;
    for (std::size_t line = 0; line < lines.size(); ++line) {
      EXPECT_EQ(index.FirstRowOf(line), row);
      for (std::size_t k = 0; k < RowCount(lines[line], width); ++k, ++row)
        EXPECT_EQ(std::pair(index.PlaceOf(row).line, index.PlaceOf(row).rowInLine), std::pair(line, k));
    }
    EXPECT_EQ(index.RowCount(), row);
  }
  WrapIndex many;
  many.Build(LineBlock(JoinLines(TextLines(100000, "line 1 column 1 - Warning: missing <!DOCTYPE> declaration"))), 40);
  EXPECT_EQ(many.RowCount(), 200000u);
  EXPECT_EQ(many.PlaceOf(199999).line, 99999u);
}

TEST(MessagePosition, TidysFormsGiveLineAndColumnOthersNothing) {
  const std::optional<SourcePosition> none;
  for (const auto& [message, position] : {
           std::pair{"line 12 column 5 - Warning: <p> lacks \"summary\"", std::optional(SourcePosition{12, 5})},
           {"line 7 - Warning: missing </b>", SourcePosition{7, 0}},
           {"line 123456789 column 2 - x", SourcePosition{123456789, 2}},
           {"line 1234567890 column 2 - x", none},  // more digits than any document
           {"line 0 column 3 - x", none}, {"line 3 column 0 - x", none}, {"line 3 column 4 Warning", none},
           {"Ligne: 3 Col: 4 - Avertissement", none}, {" line 3 column 4 - x", none},
           {"Info: Document content looks like HTML5", none}, {"", none}}) {
    EXPECT_EQ(ParseMessagePosition(message), position) << message;
  }
  EXPECT_EQ(PositionLabel({12, 5}), "Zeile 12, Spalte 5");
  EXPECT_EQ(PositionLabel({7, 0}), "Zeile 7");
}

TEST(MessageSelection, ClicksShiftArrowsAndSelectAll) {
  const LineBlock messages("a\nb\nc\nd");
  MessageSelection s;
  s.Reset(messages.size());
  EXPECT_FALSE(s.current());
  EXPECT_EQ(SelectedText(messages, s), "");
  s.Move(1, false);  // Down with none current: the first
  EXPECT_EQ(s.current(), 0u);
  s.Select(2, false), s.Select(0, true);  // Shift+click: anchor 2 stays
  EXPECT_EQ(SelectedText(messages, s), "a\r\nb\r\nc\r\n");
  s.Move(-1, false);
  EXPECT_EQ(s.current(), 0u);
  EXPECT_EQ(SelectedText(messages, s), "a\r\n");
  s.Move(9, true);  // clamped at the last
  EXPECT_EQ(s.current(), 3u);
  EXPECT_TRUE(s.IsSelected(0) && s.IsSelected(3));
  s.Select(1, false), s.SelectAll();
  EXPECT_EQ(s.current(), 1u);
  EXPECT_EQ(SelectedText(messages, s), "a\r\nb\r\nc\r\nd\r\n");
  s.Reset(0), s.Move(-1, false), s.SelectAll();
  EXPECT_FALSE(s.any() || s.current());
  s.Reset(4), s.Move(-1, false);  // Up with none current: the last
  EXPECT_EQ(s.current(), 3u);
}

}  // namespace
}  // namespace markwash
