#include "core/dialog/placement_values.h"

#include <gtest/gtest.h>

#include <climits>

#include "core/common/whole_number.h"

namespace markwash {
namespace {

TEST(PlacementValuesTest, TextValuesAreWrittenSoThatTheReadGivesThemBack) {
  struct Case { const char* value; const char* written; const char* read; };
  const Case cases[] = {
      {"C:\\Tidy\\Tidy.exe", "C:\\Tidy\\Tidy.exe", "C:\\Tidy\\Tidy.exe"},
      {"  Tidy.exe nicht gefunden!  ", "Tidy.exe nicht gefunden!", "Tidy.exe nicht gefunden!"},
      {"\"C:\\A B\\Tidy.exe\"", "\"\"C:\\A B\\Tidy.exe\"\"", "\"C:\\A B\\Tidy.exe\""},
      {"'quoted'", "\"'quoted'\"", "'quoted'"},
      {" \"x\" ", "\"\"x\"\"", "\"x\""},
      {"\"", "\"\"\"", "\""},
      {"''", "\"''\"", "''"},
      {"\"mixed'", "\"mixed'", "\"mixed'"},
      {"'a\"", "'a\"", "'a\""},
      {"a \"b\"", "a \"b\"", "a \"b\""},
      {"", "", ""},
      {"path\r\n", "path", "path"},
  };
  for (const auto& c : cases) {
    const std::string written = EncodeProfileText(c.value);
    EXPECT_EQ(written, c.written) << c.value;
    EXPECT_EQ(DecodeProfileText(written), c.read) << c.value;
  }
}

TEST(PlacementValuesTest, ProfileReadStripsOneMatchingPairOfQuotes) {
  struct Case { const char* stored; const char* read; };
  const Case cases[] = {
      {"\"abc\"", "abc"},   {"'abc'", "abc"},     {"\"\"abc\"\"", "\"abc\""},
      {"\"abc'", "\"abc'"}, {"  'abc'\t", "abc"}, {"\"", "\""},
      {"\"\"", ""},         {"abc", "abc"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeProfileText(c.stored), c.read) << c.stored;
}

TEST(PlacementValuesTest, PositionWordsRoundTripAndFallBackWordByWord) {
  const PositionWords defaults{10, 20, 603, 490};
  struct Case { const char* text; PositionWords words; };
  const Case cases[] = {
      {"100,50,693,520", {100, 50, 693, 520}},
      {"-32000,-32000,-1,-1", {-32000, -32000, -1, -1}},
      {"1 2, 3,,4", {1, 2, 3, 4}},
      {"1,x,3", {1, 20, 3, 490}},
      {"1,2", {1, 2, 603, 490}},
      {"", {10, 20, 603, 490}},
      {"1,2,3,4,5", {1, 2, 3, 4}},
      {"1.5,2,99999999999,+4", {10, 2, 603, 4}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParsePositionWords(c.text, defaults), c.words) << c.text;
  }
  const PositionWords written{-8, -8, 1032, 776};
  EXPECT_EQ(FormatPositionWords(written), "-8,-8,1032,776");
  EXPECT_EQ(ParsePositionWords(FormatPositionWords(written), defaults), written);
}

TEST(PlacementValuesTest, ShowCmdGivesWindowState) {
  using S = WindowState;
  const std::pair<int, S> cases[] = {
      {1, S::Normal},    {5, S::Normal},    {9, S::Normal},    {2, S::Minimized},
      {6, S::Minimized}, {7, S::Minimized}, {3, S::Maximized}, {0, S::Normal},
      {4, S::Normal},    {8, S::Normal},    {-1, S::Normal},   {11, S::Normal},
  };
  for (const auto& [show_cmd, state] : cases) EXPECT_EQ(WindowStateFromShowCmd(show_cmd), state) << show_cmd;
}

TEST(PlacementValuesTest, ScreenSizeKeys) {
  EXPECT_EQ(ScreenSizeKey("MinMaxPos", 1024, 768), "MinMaxPos(1024x768)");
  EXPECT_EQ(ScreenSizeKey("NormPos", 1920, 1080), "NormPos(1920x1080)");
}

TEST(PlacementValuesTest, WholeNumbers) {
  struct Case { const char* text; int value; };
  const Case cases[] = {
      {"185", 185},     {"-1", -1},   {"+7", 7},   {"abc", 0},  {"", 0},
      {"12abc", 0},     {"1.5", 0},   {"-", 0},    {" 5", 0},   // the caller trims
      {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"2147483648", 0},
      {"99999999999999999999", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(WholeNumberOr(c.text, 0), c.value) << c.text;
  EXPECT_EQ(WholeNumberOr("x", 96), 96);
}

TEST(PlacementValuesTest, PageNamesAreFoundIgnoringCase) {
  const std::vector<std::string> pages = {"tsNewBlocklevelTags", "tsNewInlineTags", "tsNewEmptyTags",
                                          "tsNewPreTags"};
  struct Case { const char* stored; std::optional<size_t> page; };
  const Case cases[] = {
      {"tsNewInlineTags", 1},
      {"tsnewpretags", 3},
      {"TSNEWBLOCKLEVELTAGS", 0},
      {"(null)", std::nullopt},
      {"(NULL)", std::nullopt},
      {"tsOptions", std::nullopt},  // a component, but no page of this control
      {"", std::nullopt},
      {"MarkwashForm.tsNewEmptyTags", 2},
      {"markwashform.TSNEWEMPTYTAGS", 2},
      {"OtherForm.tsNewEmptyTags", std::nullopt},
      {"tsNewPreTags ", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindPageByName(c.stored, "MarkwashForm", pages), c.page) << c.stored;
  }
}

}  // namespace
}  // namespace markwash
