#include "core/runner/tidy_location.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/runner/tidy_exit.h"

namespace markwash {
namespace {

bool NoLead(unsigned char) { return false; }

// A file system of a few files whose names compare without regard to case.
class TidyLocationTest : public ::testing::Test {
 protected:
  static std::string Lower(std::string s) {
    for (char& c : s) if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
  }
  FileExistsTest Exists() {
    return [this](const std::string& name) { return files.count(Lower(name)) > 0; };
  }
  void Add(const std::string& name) { files.insert(Lower(name)); }
  std::string Search(const std::string& label) {
    return AutoSearchTidy([this] { ++lists_built; return search_list; }, label, Exists(), NoLead);
  }
  std::set<std::string> files;
  std::string search_list = "C:\\Plug\\;C:\\Work;C:\\Bin;C:\\Tools";
  int lists_built = 0;
};

TEST_F(TidyLocationTest, ConfirmedFolderPrefersTheWin32NameAndElseTakesTidyExeUntested) {
  Add("C:\\Both\\tidy_win32.exe");
  Add("C:\\Both\\Tidy.exe");
  Add("C:\\Upper\\TIDY.EXE");
  Add("C:\\tidy_win32.exe");
  struct Case { const char* folder; const char* label; };
  const Case cases[] = {
      {"C:\\Both", "C:\\Both\\tidy_win32.exe"},
      {"C:\\Both\\", "C:\\Both\\tidy_win32.exe"},
      {"C:\\Upper", "C:\\Upper\\Tidy.exe"},
      {"C:\\Empty", "C:\\Empty\\Tidy.exe"},
      {"C:\\", "C:\\tidy_win32.exe"},
      {"", "\\Tidy.exe"},
  };
  for (const auto& c : cases) EXPECT_EQ(TidyFileInFolder(c.folder, Exists()), c.label) << c.folder;
}

TEST_F(TidyLocationTest, StatusLineSaysWhetherTheSelectionHoldsTidy) {
  Add("C:\\A\\Tidy_Win32.exe");
  Add("C:\\B\\tidy.exe");
  Add("\\Tidy.exe");
  struct Case { const char* folder; const char* status; };
  const Case cases[] = {
      {"C:\\A", "Gefunden in C:\\A"},
      {"C:\\B", "Gefunden in C:\\B"},
      {"C:\\C", "Nicht gefunden in C:\\C"},
      {"", "Gefunden in "},  // no file-system folder: the root of the current drive
  };
  for (const auto& c : cases) EXPECT_EQ(SelectionStatusText(c.folder, Exists()), c.status) << c.folder;
  files.clear();
  EXPECT_EQ(SelectionStatusText("", Exists()), "Nicht gefunden in ");
}

TEST_F(TidyLocationTest, SearchPrefersWin32NameThenLabelThenTidyExe) {
  Add("C:\\Bin\\Tidy.exe");
  Add("D:\\Old\\Tidy.exe");
  // The label's file wins over a Tidy.exe on PATH.
  EXPECT_EQ(Search("D:\\Old\\Tidy.exe"), "D:\\Old\\Tidy.exe");
  EXPECT_EQ(1, lists_built);
  // An invalid label falls through to Tidy.exe along a list built again.
  EXPECT_EQ(Search("Tidy.exe nicht gefunden!"), "C:\\Bin\\Tidy.exe");
  EXPECT_EQ(3, lists_built);
  Add("C:\\Tools\\tidy_win32.exe");
  EXPECT_EQ(Search("D:\\Old\\Tidy.exe"), "C:\\Tools\\Tidy_win32.exe");
  files.clear();
  EXPECT_EQ(Search("Tidy.exe nicht gefunden!"), "");
}

TEST_F(TidyLocationTest, SearchProbesTheBareNameFirst) {
  Add("Tidy_win32.exe");
  Add("C:\\Plug\\Tidy_win32.exe");
  EXPECT_EQ(Search(""), "Tidy_win32.exe");
}

TEST(TidyExitTest, OnlyTidysOwnVerdictsAreNormal) {
  for (std::uint32_t code : {0u, 1u, 2u}) EXPECT_TRUE(IsNormalTidyExit(code)) << code;
  for (std::uint32_t code : {3u, 255u, 0xC0000005u, 0xFFFFFFFFu}) EXPECT_FALSE(IsNormalTidyExit(code)) << code;
  EXPECT_NE(AbnormalTidyExitText(3).find("(Exit-Code 3)"), std::string::npos);
  EXPECT_NE(AbnormalTidyExitText(0xC0000005u).find("(Exit-Code 0xC0000005)"), std::string::npos);
  EXPECT_NE(HungTidyQuestionText(30).find(" 30 Sekunden"), std::string::npos);
}

}  // namespace
}  // namespace markwash
