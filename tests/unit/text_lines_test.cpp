#include "core/common/text_lines.h"

#include <gtest/gtest.h>

#include "core/common/paths.h"
#include "core/common/wait_cursor.h"

namespace markwash {
namespace {

TEST(TextLines, SplitsAtEveryKindOfLineEnd) {
  struct Case {
    std::string text;
    TextLines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},  // a lone CR, then CR LF
      {"\n", {""}},
      {"a\n\r", {"a", ""}},  // LF then a lone CR: two line ends
  };
  for (const auto& c : cases) EXPECT_EQ(c.lines, SplitLines(c.text)) << c.text;
}

TEST(TextLines, TextEndsAtItsFirstNul) {
  const std::string text("a\r\nb\0c\r\nd", 9);
  EXPECT_EQ((TextLines{"a", "b"}), SplitLines(text));
}

TEST(TextLines, HighBytesRoundTripUnchanged) {
  std::string all;
  for (int b = 0x80; b <= 0xFF; ++b) all += static_cast<char>(b);
  const TextLines lines = SplitLines(all + "\n" + all);
  ASSERT_EQ(2u, lines.size());
  EXPECT_EQ(all, lines[0]);
  EXPECT_EQ(all + "\r\n" + all + "\r\n", JoinLines(lines));
}

TEST(TextLines, JoinPutsCrLfAfterEveryLineTheLastIncluded) {
  EXPECT_EQ("", JoinLines({}));
  EXPECT_EQ("\r\n", JoinLines({""}));
  EXPECT_EQ("a\r\nb\r\n", JoinLines(SplitLines("a\rb")));
}

TEST(Paths, TheLastOfDotBackslashAndColonDecidesTheExtension) {
  struct Case {
    const char* path;
    const char* expected;
  } cases[] = {
      {"C:\\Plugins\\Markwash.dll", "C:\\Plugins\\Markwash.cfg"},
      {"C:\\My.Plugins\\Markwash", "C:\\My.Plugins\\Markwash.cfg"},
      {"C:Markwash", "C:Markwash.cfg"},
      {"C:.dll", "C:.cfg"},
      {"Markwash.old.dll", "Markwash.old.cfg"},
      {"", ".cfg"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, ChangeExtension(c.path, ".cfg")) << c.path;
}

TEST(Paths, TrailingBackslashAndFolderPart) {
  EXPECT_EQ("C:\\Tidy\\", WithTrailingBackslash("C:\\Tidy"));
  EXPECT_EQ("C:\\Tidy\\", WithTrailingBackslash("C:\\Tidy\\"));
  EXPECT_EQ("\\", WithTrailingBackslash(""));
  EXPECT_EQ("C:\\Tidy\\", FolderPart("C:\\Tidy\\Tidy.exe"));
  EXPECT_EQ("C:", FolderPart("C:Tidy.exe"));
  EXPECT_EQ("", FolderPart("Tidy.exe"));
}

class RecordingScreen : public CursorScreen {
 public:
  void SaveAndShowBusy() override { events += "B"; }
  void RestoreSaved() override { events += "R"; }
  std::string events;
};

TEST(WaitCursor, OnlyTheOutermostPairTouchesTheScreen) {
  RecordingScreen screen;
  WaitCursor cursor(screen);
  cursor.End();  // at 0: nothing
  cursor.Begin();
  cursor.Begin();
  cursor.End();
  EXPECT_EQ("B", screen.events);
  cursor.End();
  cursor.End();
  EXPECT_EQ("BR", screen.events);
  {
    WaitCursorScope outer(cursor);
    try {
      WaitCursorScope inner(cursor);
      throw 1;
    } catch (int) {
    }
    EXPECT_EQ(1, cursor.depth());
  }
  EXPECT_EQ("BRBR", screen.events);
  EXPECT_EQ(0, cursor.depth());
}

}  // namespace
}  // namespace markwash
