// Text lines, paths and the wait cursor, shared by every part of the core.
#include <gtest/gtest.h>

#include "core/common/paths.h"
#include "core/common/text_lines.h"
#include "core/common/wait_cursor.h"

namespace markwash {

TEST(TextLines, SplitAtEveryKindOfLineEndUpToTheFirstNulAndJoinedWithCrLf) {
  std::string high;  // bytes a signed char would turn negative
  for (int b = 0x80; b <= 0xFF; ++b) high += static_cast<char>(b);
  for (const auto& [text, lines] : {std::pair<std::string, TextLines>{"", {}}, {"a", {"a"}}, {"\n", {""}},
                                    {"a\nb\rc\r\nd", {"a", "b", "c", "d"}}, {"a\r\r\nb", {"a", "", "b"}},
                                    {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}}, {high + "\n" + high, {high, high}}}) {
    EXPECT_EQ(SplitLines(text), lines) << text;
  }
  EXPECT_EQ(JoinLines({high, ""}), high + "\r\n\r\n");
  std::vector<char> block(JoinedSize({"<p>a", "b"}) + 1, 'x');  // the host's copy ends in NUL
  JoinLinesInto({"<p>a", "b"}, block.data());
  EXPECT_EQ(std::string(block.begin(), block.end()), std::string("<p>a\r\nb\r\n", 10));
}

TEST(Paths, TheLastOfDotBackslashAndColonDecidesTheExtension) {
  for (const auto& [path, changed] : {std::pair{"C:\\My.Plugins\\Markwash", "C:\\My.Plugins\\Markwash.cfg"},
                                      {"C:.dll", "C:.cfg"}, {"Markwash.old.dll", "Markwash.old.cfg"}, {"", ".cfg"}}) {
    EXPECT_EQ(ChangeExtension(path, ".cfg"), changed) << path;
  }
  EXPECT_EQ(WithTrailingBackslash("C:\\Tidy") + "|" + WithTrailingBackslash("C:\\Tidy\\"), "C:\\Tidy\\|C:\\Tidy\\");
  EXPECT_EQ(FolderPart("C:\\Tidy\\Tidy.exe") + "|" + FolderPart("C:Tidy.exe") + "|" + FolderPart("T.exe"), "C:\\Tidy\\|C:|");
}

TEST(WaitCursor, OnlyTheOutermostPairTouchesTheScreenAndAScopeEndsOnAnException) {
  struct : CursorScreen {
    void SaveAndShowBusy() override { events += "B"; }
    void RestoreSaved() override { events += "R"; }
    std::string events;
  } screen;
  WaitCursor cursor(screen);
  cursor.End();  // at 0: nothing, and the next Begin still shows the hourglass
  cursor.Begin();
  cursor.Begin();
  cursor.End();
  cursor.End();
  EXPECT_THROW([&] { WaitCursorScope scope(cursor); throw 1; }(), int);
  EXPECT_EQ(screen.events + std::to_string(cursor.depth()), "BRBR0");
}

}  // namespace markwash
