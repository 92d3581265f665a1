#include "core/runner/command_line.h"

#include <gtest/gtest.h>

namespace markwash {
namespace {

TEST(TidyCommandLineTest, ExactTextForEachPathShape) {
  struct Case { const char* tidy; const char* config; const char* messages; const char* document;
                const char* expected; };
  const Case cases[] = {
      {"C:\\Tidy\\Tidy.exe", "C:\\TEMP\\cfg2A.tmp", "C:\\TEMP\\Err2B.tmp", "C:\\TEMP\\HTM2C.tmp",
       "C:\\Tidy\\Tidy.exe -config C:\\TEMP\\cfg2A.tmp -modify -f C:\\TEMP\\Err2B.tmp C:\\TEMP\\HTM2C.tmp"},
      {"C:\\Program Files\\Tidy\\Tidy.exe", "C:\\TEMP\\cfg1.tmp", "C:\\TEMP\\Err1.tmp", "C:\\TEMP\\HTM1.tmp",
       "\"C:\\Program Files\\Tidy\\Tidy.exe\" -config C:\\TEMP\\cfg1.tmp -modify -f C:\\TEMP\\Err1.tmp "
       "C:\\TEMP\\HTM1.tmp"},
      {"C:\\T\\Tidy.exe", "C:\\Dokumente und Einstellungen\\Max\\Temp\\cfg3.tmp",
       "C:\\Dokumente und Einstellungen\\Max\\Temp\\Err4.tmp",
       "C:\\Dokumente und Einstellungen\\Max\\Temp\\HTM5.tmp",
       "C:\\T\\Tidy.exe -config \"C:\\Dokumente und Einstellungen\\Max\\Temp\\cfg3.tmp\" -modify -f "
       "\"C:\\Dokumente und Einstellungen\\Max\\Temp\\Err4.tmp\" "
       "\"C:\\Dokumente und Einstellungen\\Max\\Temp\\HTM5.tmp\""},
      {"Tidy_win32.exe", "a\tb.tmp", "e.tmp", "h.tmp",
       "Tidy_win32.exe -config \"a\tb.tmp\" -modify -f e.tmp h.tmp"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BuildTidyCommandLine(c.tidy, c.config, c.messages, c.document), c.expected);
  }
  EXPECT_EQ(BuildTidyVersionCommandLine("C:\\Program Files\\Tidy.exe"), "\"C:\\Program Files\\Tidy.exe\" -v");
}

}  // namespace
}  // namespace markwash
