// A run of Tidy.exe as the core sees it: the command lines, the version
// Tidy names, its exit codes, and what the user reads after the run.
#include <gtest/gtest.h>

#include <vector>

#include "core/common/message_inserts.h"
#include "core/runner/command_line.h"
#include "core/runner/run_outcome.h"
#include "core/runner/tidy_exit.h"
#include "core/runner/tidy_version.h"

namespace markwash {
namespace {

TEST(TidyRunTest, CommandLinesQuoteEveryPathWithABlank) {
  EXPECT_EQ(BuildTidyCommandLine("C:\\Tidy\\Tidy.exe", "C:\\T\\cfg2A.tmp", "C:\\T\\Err2B.tmp", "C:\\T\\HTM2C.tmp"),
            "C:\\Tidy\\Tidy.exe -config C:\\T\\cfg2A.tmp -modify -f C:\\T\\Err2B.tmp C:\\T\\HTM2C.tmp");
  EXPECT_EQ(BuildTidyCommandLine("C:\\Program Files\\Tidy.exe", "C:\\My Temp\\cfg3.tmp", "C:\\My Temp\\Err4.tmp",
                                 "C:\\My Temp\\HTM5.tmp"),
            "\"C:\\Program Files\\Tidy.exe\" -config \"C:\\My Temp\\cfg3.tmp\" -modify -f \"C:\\My Temp\\Err4.tmp\" "
            "\"C:\\My Temp\\HTM5.tmp\"");
  EXPECT_EQ(BuildTidyCommandLine("T.exe", "a\tb.tmp", "e.tmp", "h.tmp"), "T.exe -config \"a\tb.tmp\" -modify -f e.tmp h.tmp");
  EXPECT_EQ(BuildTidyVersionCommandLine("C:\\Program Files\\Tidy.exe"), "\"C:\\Program Files\\Tidy.exe\" -v");
}

TEST(TidyRunTest, TheVersionIsTheFirstDottedNumberStandingAsAWord) {
  const struct {
    const char *answer, *number;
  } cases[] = {
      {"HTML Tidy for Windows version 5.6.0\r\n", "5.6.0"},
      {"HTML Tidy version 10.1.2.", "10.1.2"},
      {"HTML Tidy para Windows vers\xC3\xA3o 5.6.0", "5.6.0"},
      {"HTML Tidy for Linux/x86 released on 25 March 2009 version 4.9.3", ""},
      {"HTML Tidy for Windows released on 4 August 2000\r\n", ""},
      {"\x01\xff garbage version.5.1 x5.2", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    const TidyVersion version = ParseTidyVersion(c.answer);
    EXPECT_EQ(version.kind, *c.number ? TidyKind::kHtml5 : TidyKind::kUnknown) << c.answer;
    EXPECT_EQ(version.number, c.number) << c.answer;
  }
  EXPECT_EQ(TidyVersionCaption(ParseTidyVersion("version 5.8.0")), "HTML Tidy 5.8.0");
  EXPECT_EQ(TidyVersionCaption(TidyVersion{}), "Version unbekannt");
  EXPECT_EQ(TidyInUseText(ParseTidyVersion("version 5.8.0")), "Das Plugin verwendet HTML Tidy 5.8.0.");
}

TEST(TidyRunTest, OnlyTidysOwnVerdictsAreNormalExits) {
  for (std::uint32_t code : {0u, 1u, 2u}) EXPECT_TRUE(IsNormalTidyExit(code)) << code;
  for (std::uint32_t code : {3u, 0xC0000005u}) EXPECT_FALSE(IsNormalTidyExit(code)) << code;
  EXPECT_NE(AbnormalTidyExitText(0xC0000005u).find("(Exit-Code 0xC0000005)"), std::string::npos);
  EXPECT_NE(HungTidyQuestionText(30).find(" 30 Sekunden"), std::string::npos);
}

TEST(TidyRunTest, AfterTheRunOutputWithANulIsRefusedAndAFailureFollowsWhatTidySaid) {
  EXPECT_FALSE(HoldsNulByte("<p>x</p>\r\n"));
  EXPECT_TRUE(HoldsNulByte(std::string("<p>x</p>\r\n\0", 11)));
  EXPECT_EQ(MessagesOfFailedRun({"line 1 - Warning: w"}, "Tidy.exe wurde nicht normal beendet.\r\nSein Ergebnis"),
            (TextLines{"line 1 - Warning: w", "Tidy.exe wurde nicht normal beendet.", "Sein Ergebnis"}));
  const struct {
    const char *text, *subject, *shown;
  } inserts[] = {
      {"Fehlerhaftes EXE-Format f\xFCr %1.\r\n", "C:\\T.exe", "Fehlerhaftes EXE-Format f\xFCr C:\\T.exe.\r\n"},
      {"%1 needs %2!s! and %13.", "A", "A needs  and ."},
      {"100% sure %0", "x", "100% sure %0"},  // no insert: left as it is
      {"ends in %", "x", "ends in %"},
  };
  for (const auto& c : inserts) EXPECT_EQ(FillMessageInserts(c.text, c.subject), c.shown) << c.text;
  for (const TextLines& lines : {TextLines{}, TextLines{"<p>a", "", "b\xE4"}}) {
    std::vector<char> block(JoinedSize(lines) + 1, 'x');
    JoinLinesInto(lines, block.data());
    EXPECT_EQ(std::string(block.begin(), block.end()), JoinLines(lines) + '\0');
  }
}

}  // namespace
}  // namespace markwash
