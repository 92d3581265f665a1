#include "core/runner/tidy_version.h"

#include <gtest/gtest.h>

namespace markwash {
namespace {

TEST(TidyVersionTest, AnswersOfSeveralReleases) {
  struct Case { const char* answer; TidyKind kind; const char* number; const char* caption; };
  const Case cases[] = {
      {"HTML Tidy for Windows version 5.6.0\r\n", TidyKind::kHtml5, "5.6.0", "HTML Tidy 5.6.0"},
      {"HTML Tidy for Linux version 5.8.0", TidyKind::kHtml5, "5.8.0", "HTML Tidy 5.8.0"},
      {"HTML Tidy version 10.1.2.", TidyKind::kHtml5, "10.1.2", "HTML Tidy 10.1.2"},
      {"HTML Tidy for Windows released on 4 August 2000\r\n", TidyKind::kUnknown, "", "Version unbekannt"},
      {"HTML Tidy for Linux/x86 released on 25 March 2009 version 4.9.3", TidyKind::kUnknown, "",
       "Version unbekannt"},
      {"HTML Tidy para Windows vers\xC3\xA3o 5.6.0", TidyKind::kHtml5, "5.6.0", "HTML Tidy 5.6.0"},
      {"HTML Tidy for Windows released on 25 March 2009", TidyKind::kUnknown, "", "Version unbekannt"},
      {"\x01\xff garbage version .5", TidyKind::kUnknown, "", "Version unbekannt"},
      {"", TidyKind::kUnknown, "", "Version unbekannt"},
  };
  for (const Case& c : cases) {
    const TidyVersion version = ParseTidyVersion(c.answer);
    EXPECT_EQ(c.kind, version.kind) << c.answer;
    EXPECT_EQ(c.number, version.number) << c.answer;
    EXPECT_EQ(c.caption, TidyVersionCaption(version)) << c.answer;
  }
}

}  // namespace
}  // namespace markwash
