// A run of Tidy.exe as the core sees it: the command lines, the version
// Tidy names, its exit codes, and what the user reads after the run.
#include <gtest/gtest.h>

#include "core/common/message_inserts.h"
#include "core/runner/command_line.h"
#include "core/runner/run_outcome.h"
#include "core/runner/tidy_exit.h"
#include "core/runner/tidy_version.h"

namespace markwash {

TEST(TidyRun, CommandLinesQuoteEveryPathWithABlank) {
  EXPECT_EQ(BuildTidyCommandLine("C:\\Tidy\\Tidy.exe", "C:\\T\\cfg2A.tmp", "C:\\T\\Err2B.tmp", "C:\\T\\HTM2C.tmp"),
            "C:\\Tidy\\Tidy.exe -config C:\\T\\cfg2A.tmp -modify -f C:\\T\\Err2B.tmp C:\\T\\HTM2C.tmp");
  EXPECT_EQ(BuildTidyCommandLine("C:\\Program Files\\T.exe", "C:\\My Temp\\c.tmp", "C:\\My Temp\\e.tmp", "a\tb.tmp"),
            "\"C:\\Program Files\\T.exe\" -config \"C:\\My Temp\\c.tmp\" -modify -f \"C:\\My Temp\\e.tmp\" \"a\tb.tmp\"");
  EXPECT_EQ(BuildTidyVersionCommandLine("C:\\Program Files\\Tidy.exe"), "\"C:\\Program Files\\Tidy.exe\" -v");
}

TEST(TidyRun, TheVersionIsTheFirstDottedNumberStandingAsAWord) {
  for (const auto& [answer, number] : {std::pair{"HTML Tidy for Windows version 5.6.0\r\n", "5.6.0"},
                                       {"HTML Tidy version 10.1.2.", "10.1.2"},
                                       {"HTML Tidy for Linux/x86 released on 25 March 2009 version 4.9.3", ""},
                                       {"HTML Tidy for Windows released on 4 August 2000\r\n", ""},
                                       {"\x01\xff garbage version.5.1 x5.2", ""}, {"", ""}}) {
    const TidyVersion version = ParseTidyVersion(answer);
    EXPECT_EQ(version.kind, *number ? TidyKind::kHtml5 : TidyKind::kUnknown) << answer;
    EXPECT_EQ(TidyVersionCaption(version), *number ? "HTML Tidy " + std::string(number) : "Version unbekannt");
  }
  EXPECT_EQ(TidyInUseText(ParseTidyVersion("version 5.8.0")), "Das Plugin verwendet HTML Tidy 5.8.0.");
}

TEST(TidyRun, OnlyTidysVerdictsAreNormalExitsAndAFailureIsShownAfterWhatTidySaid) {
  for (std::uint32_t code : {0u, 1u, 2u, 3u, 0xC0000005u}) EXPECT_EQ(IsNormalTidyExit(code), code <= 2) << code;
  EXPECT_NE(AbnormalTidyExitText(0xC0000005u).find("(Exit-Code 0xC0000005)"), std::string::npos);
  EXPECT_EQ(MessagesOfFailedRun(LineBlock("line 1 - Warning: w"), "Tidy.exe wurde nicht normal beendet.\r\nSein Ergebnis")
                .Joined(),
            "line 1 - Warning: w\r\nTidy.exe wurde nicht normal beendet.\r\nSein Ergebnis\r\n");
  for (const auto& [text, shown] : {std::pair{"EXE-Format f\xFCr %1.\r\n", "EXE-Format f\xFCr C:\\T.exe.\r\n"},
                                    {"%1 needs %2!s! and %13.", "C:\\T.exe needs  and ."},
                                    {"100% sure %0", "100% sure %0"}, {"ends in %", "ends in %"}}) {
    EXPECT_EQ(FillMessageInserts(text, "C:\\T.exe"), shown) << text;
  }
}

}  // namespace markwash
