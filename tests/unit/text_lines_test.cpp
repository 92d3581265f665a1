// Text lines, paths and the wait cursor shared by every part of the core, and
// the lines of an HTML Tidy configuration file with the values in them.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "core/common/error.h"
#include "core/common/paths.h"
#include "core/common/wait_cursor.h"
#include "core/common/whole_number.h"
#include "core/options/config_lines.h"
#include "core/options/doctype_value.h"

namespace markwash {

TEST(TextLines, SplitAtEveryKindOfLineEndUpToTheFirstNulAndJoinedWithCrLf) {
  std::string high;  // bytes a signed char would turn negative
  for (int b = 0x80; b <= 0xFF; ++b) high += static_cast<char>(b);
  for (const auto& [text, lines] : {std::pair<std::string, TextLines>{"", {}}, {"a", {"a"}}, {"\n", {""}},
                                    {"a\nb\rc\r\nd", {"a", "b", "c", "d"}}, {"a\r\r\nb", {"a", "", "b"}},
                                    {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}}, {high + "\n" + high, {high, high}},
                                    {high + "\r\n\t" + high + "\r\n", {high, "\t" + high}}}) {
    EXPECT_EQ(SplitLines(text), lines) << text;
  }
  // A file read in pieces, through a buffer or straight into the block,
  // splits as a whole one: with every kind of line end and a NUL, and with
  // CR LF only, which stays where it was written.
  for (const std::string_view text : {std::string_view("a\r\nb\r\rc\n\0d", 10), std::string_view("a\r\nb\r\n\r\nc\r\n")}) {
    for (std::size_t at = 0; at <= text.size(); ++at) {
      for (const bool straight : {false, true}) {
        LineBlock pieces;
        for (const std::string_view piece : {text.substr(0, at), text.substr(at)}) {
          if (!straight) {
            pieces.Add(piece);
            continue;
          }
          std::copy(piece.begin(), piece.end(), pieces.Room(piece.size() + 3));  // more room than written
          pieces.AddWritten(piece.size());
        }
        const bool nul = pieces.Finish();
        EXPECT_EQ(std::to_string(nul) + std::string(pieces.Joined()) + std::string(pieces[1]),
                  std::to_string(text.size() == 10) + "a\r\nb\r\n\r\nc\r\nb")
            << at << straight;
      }
    }
  }
  LineBlock kept("p\r\nq");
  const std::string copy(kept.Joined());
  kept.KeepTextIn(copy);
  const std::string second(kept[1]);
  const std::string taken = kept.TakeJoined();
  EXPECT_EQ(second + taken + std::to_string(kept.size()), "qp\r\nq\r\n0");
  EXPECT_EQ(JoinLines({high, ""}), high + "\r\n\r\n");
  for (const auto& [path, changed] : {std::pair{"C:\\My.Plugins\\Markwash", "C:\\My.Plugins\\Markwash.cfg"},
                                      {"C:.dll", "C:.cfg"}, {"Markwash.old.dll", "Markwash.old.cfg"}}) {
    EXPECT_EQ(ChangeExtension(path, ".cfg"), changed) << path;  // the last of dot, backslash and colon decides
  }
}

TEST(WaitCursor, OnlyTheOutermostPairTouchesTheScreenAndAScopeEndsOnAnException) {
  struct : CursorScreen {
    void SaveAndShowBusy() override { events += "B"; }
    void RestoreSaved() override { events += "R"; }
    std::string events;
  } screen;
  WaitCursor cursor(screen);
  cursor.End();  // at 0: nothing, and the next Begin still shows the hourglass
  for (const bool begin : {true, true, false, false}) begin ? cursor.Begin() : cursor.End();
  EXPECT_THROW([&] { WaitCursorScope scope(cursor); throw 1; }(), int);
  EXPECT_EQ(screen.events + std::to_string(cursor.depth()), "BRBR0");
}

TEST(ConfigLines, AKeyIsTheLastLineThatStartsWithItAndAColonIgnoringCase) {
  for (const auto& [lines, key, line] : {
           std::tuple<TextLines, const char*, int>{{"a: 1", "WRAP: 66", "b: 2"}, "wrap", 1}, {{"AZ: 1"}, "az", 0},
           {{"\xc4: 1"}, "\xe4", -1}, {{"clean: yes", "x: 1", "clean: no", "y: 2"}, "clean", 2}, {{" wrap: 66"}, "wrap", -1},
           {{"wrap : 66"}, "wrap", -1}, {{"wrap-asp: no"}, "wrap", -1}, {{"// wrap: 72", "wrap: 0"}, "// wrap", 0}}) {
    EXPECT_EQ(FindKeyLine(lines, key), line) << key;
  }
}

TEST(ConfigLines, ValuesAreReadTrimmedAndWrittenAsGiven) {
  EXPECT_EQ(GetKeyValue({"alt-text: \t  Gr\xfc\xdf \x01\x7f"}, "alt-text") + "|" + GetKeyValue({"wrap:72"}, "wrap"),
            "Gr\xfc\xdf|72");
  TextLines lines = {"clean: yes", "WRAP: 80", "x: 1", "clean: no", " wrap: 1"};
  SetKey(lines, "wrap", " 72 "), SetKey(lines, "clean", "yes"), SetKey(lines, "alt-text", "");
  EXPECT_EQ(lines, (TextLines{"clean: yes", "wrap:  72 ", "x: 1", "clean: yes", " wrap: 1", "alt-text: "}));
  SetOrDeleteKey(lines, "x", " a, b "), SetOrDeleteKey(lines, "alt-text", " \t ");
  DeleteKey(lines, "CLEAN");  // every line of it, so that no earlier one comes back
  EXPECT_EQ(lines, (TextLines{"wrap:  72 ", "x:  a, b ", " wrap: 1"}));
}

TEST(ConfigLines, NumbersFitAnIntOrFailWithTheConversionMessageAndDocTypesAreQuotedBothWays) {
  const auto converted = [](const char* text) {
    try { return std::to_string(WholeNumberOrThrow(text)); } catch (const Error& e) { return std::string(e.what()); }
  };
  for (const auto& [text, value] : {std::pair{"+7", "7"}, {"-2147483648", "-2147483648"}, {"7x", ""}, {"", ""},
                                    {" 7", ""}, {"2147483648", ""}}) {
    EXPECT_EQ(converted(text), *value ? value : "'" + std::string(text) + "' is not a valid integer value");
  }
  for (const auto& [value, text] : {std::pair{"\"say \"\"hi\"\"\"", "say \"hi\""}, {"\"abc\" tail", "abc"},
                                    {"\"abc", "ab"}, {"\"a\"\"", "a"}, {"\"", ""}}) {
    EXPECT_EQ(UnquoteDocType(value), text) << value;
    EXPECT_EQ(UnquoteDocType(QuoteDocType(text)), text) << text;
  }
}

}  // namespace markwash
