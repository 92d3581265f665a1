// Text lines, paths and the wait cursor, shared by every part of the core.
#include "core/common/text_lines.h"

#include <gtest/gtest.h>

#include <utility>

#include "core/common/paths.h"
#include "core/common/wait_cursor.h"

namespace markwash {
namespace {

TEST(TextLines, SplitAtEveryKindOfLineEndUpToTheFirstNulAndJoinedWithCrLf) {
  const std::pair<std::string, TextLines> cases[] = {
      {"", {}},         {"a", {"a"}},           {"a\r\n", {"a"}},          {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
      {"\n", {""}},     {"a\r\r\nb", {"a", "", "b"}}, {"a\n\r", {"a", ""}}, {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}}};
  for (const auto& [text, lines] : cases) EXPECT_EQ(SplitLines(text), lines) << text;
  std::string all;
  for (int b = 0x80; b <= 0xFF; ++b) all += static_cast<char>(b);
  EXPECT_EQ(SplitLines(all + "\n" + all), (TextLines{all, all}));
  EXPECT_EQ(JoinLines({all, ""}), all + "\r\n\r\n");
  EXPECT_EQ(JoinLines({}), "");
}

TEST(Paths, TheLastOfDotBackslashAndColonDecidesTheExtension) {
  for (const auto& [path, changed] : {std::pair{"C:\\My.Plugins\\Markwash", "C:\\My.Plugins\\Markwash.cfg"},
                                      {"C:.dll", "C:.cfg"}, {"Markwash.old.dll", "Markwash.old.cfg"}, {"", ".cfg"}}) {
    EXPECT_EQ(ChangeExtension(path, ".cfg"), changed) << path;
  }
  EXPECT_EQ(WithTrailingBackslash("C:\\Tidy"), "C:\\Tidy\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\Tidy\\"), "C:\\Tidy\\");
  EXPECT_EQ(FolderPart("C:\\Tidy\\Tidy.exe"), "C:\\Tidy\\");
  EXPECT_EQ(FolderPart("C:Tidy.exe"), "C:");
  EXPECT_EQ(FolderPart("Tidy.exe"), "");
}

struct RecordingScreen : CursorScreen {
  void SaveAndShowBusy() override { events += "B"; }
  void RestoreSaved() override { events += "R"; }
  std::string events;
};

TEST(WaitCursor, OnlyTheOutermostPairTouchesTheScreenAndAScopeEndsOnAnException) {
  RecordingScreen screen;
  WaitCursor cursor(screen);
  cursor.End();  // at 0: nothing
  cursor.Begin();
  cursor.Begin();
  cursor.End();
  cursor.End();
  EXPECT_EQ(screen.events, "BR");
  try {
    WaitCursorScope scope(cursor);
    throw 1;
  } catch (int) {
  }
  EXPECT_EQ(screen.events, "BRBR");
  EXPECT_EQ(cursor.depth(), 0);
}

}  // namespace
}  // namespace markwash
