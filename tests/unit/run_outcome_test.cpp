// What a run offers the host and what the user reads after it: output with
// a NUL byte, the messages of a failed run, system texts with inserts, and
// the text joined straight into the block handed back.
#include "core/runner/run_outcome.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/common/message_inserts.h"

namespace markwash {
namespace {

TEST(RunOutcome, OutputWithANulByteIsNotOffered) {
  EXPECT_FALSE(HoldsNulByte("<p>x</p>\r\n"));
  EXPECT_FALSE(HoldsNulByte(""));
  EXPECT_TRUE(HoldsNulByte(std::string("<\0p\0>\0", 6)));
  EXPECT_TRUE(HoldsNulByte(std::string("<p>x</p>\r\n\0", 11)));
  EXPECT_NE(std::string::npos, NulInOutputText().find("Ausgabe-Kodierung"));
}

TEST(RunOutcome, FailedRunShowsWhatTidySaidThenTheError) {
  EXPECT_EQ((TextLines{"line 1 - Warning: w", "Tidy.exe wurde nicht normal beendet.", "Sein Ergebnis ..."}),
            MessagesOfFailedRun({"line 1 - Warning: w"}, "Tidy.exe wurde nicht normal beendet.\r\nSein Ergebnis ..."));
  EXPECT_EQ((TextLines{"Win32 Error.  Code: 2.", "Das System ..."}),
            MessagesOfFailedRun({}, "Win32 Error.  Code: 2.\nDas System ..."));
}

TEST(RunOutcome, SystemTextInsertsAreFilledOrLeftOut) {
  struct Case {
    const char* text;
    const char* subject;
    const char* shown;
  } cases[] = {
      {"Fehlerhaftes EXE-Format f\xFCr %1.\r\n", "C:\\T\\Tidy.exe", "Fehlerhaftes EXE-Format f\xFCr C:\\T\\Tidy.exe.\r\n"},
      {"Bad EXE format for %1.", "", "Bad EXE format for ."},
      {"%1 needs %2!s! and %13.", "A", "A needs  and ."},
      {"Access denied.", "x", "Access denied."},
      {"100% sure %0", "x", "100% sure %0"},  // no insert: left as it is
      {"ends in %", "x", "ends in %"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.shown, FillMessageInserts(c.text, c.subject)) << c.text;
}

TEST(RunOutcome, TextIsJoinedStraightIntoTheHostsBlock) {
  for (const TextLines& lines : {TextLines{}, TextLines{""}, TextLines{"<p>a", "", "b\xE4"}}) {
    std::vector<char> block(JoinedSize(lines) + 1, 'x');
    JoinLinesInto(lines, block.data());
    EXPECT_EQ(JoinLines(lines) + '\0', std::string(block.begin(), block.end()));
  }
}

}  // namespace
}  // namespace markwash
