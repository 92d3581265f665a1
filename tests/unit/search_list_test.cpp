#include "core/runner/search_list.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace markwash {
namespace {

// Shift-JIS lead bytes: the second byte of such a pair may be 0x5C ("\").
bool ShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
// A code page whose second bytes may even be ";" (0x3B), to prove the split.
bool AnyHighLead(unsigned char b) { return b >= 0x80; }
bool NoLead(unsigned char) { return false; }

class SearchListTest : public ::testing::Test {
 protected:
  std::string Search(std::string_view name, std::string_view list,
                     const LeadBytePredicate& lead = NoLead) {
    return SearchFile(name, list, [this](const std::string& n) {
      probes.push_back(n);
      return files.count(n) > 0;
    }, lead);
  }
  std::set<std::string> files;
  std::vector<std::string> probes;
};

TEST_F(SearchListTest, ListIsLibraryFolderCurrentDirectoryAndWholePath) {
  const std::string long_path(3000, 'p');
  struct Case { const char* library; const char* current; std::string path; std::string expected; };
  const Case cases[] = {
      {"C:\\Programme\\Editor\\Plugins\\Markwash.dll", "D:\\Work", "C:\\Tidy;C:\\Bin",
       "C:\\Programme\\Editor\\Plugins\\;D:\\Work;C:\\Tidy;C:\\Bin"},
      {"C:Markwash.dll", "C:\\", "", "C:;C:\\;"},
      {"Markwash.dll", "E:\\x", "", ";E:\\x;"},
      {"C:\\P\\M.dll", "C:\\", long_path, "C:\\P\\;C:\\;" + long_path},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BuildSearchList(c.library, c.current, c.path, NoLead), c.expected) << c.library;
  }
}

TEST_F(SearchListTest, LibraryFolderIgnoresBackslashInsideDoubleByteCharacter) {
  // "C:\<0x95 0x5C>.dll": the 0x5C is the second half of a character.
  const std::string library = "C:\\\x95\x5C.dll";
  EXPECT_EQ(LibraryFolder(library, ShiftJisLead), "C:\\");
  EXPECT_EQ(LibraryFolder(library, NoLead), "C:\\\x95\x5C");
}

TEST_F(SearchListTest, BareNameIsProbedFirstAndWins) {
  files = {"Tidy.exe", "C:\\Tidy\\Tidy.exe"};
  EXPECT_EQ(Search("Tidy.exe", "C:\\Tidy"), "Tidy.exe");
  ASSERT_EQ(probes.size(), 1u);
}

TEST_F(SearchListTest, EntriesAreProbedInOrderWithBackslashOnlyWhereNeeded) {
  files = {"D:\\Tools\\Tidy.exe"};
  EXPECT_EQ(Search("Tidy.exe", "C:\\A\\;;C:;D:\\Tools;E:\\Other"), "D:\\Tools\\Tidy.exe");
  const std::vector<std::string> expected = {"Tidy.exe", "C:\\A\\Tidy.exe", "C:Tidy.exe",
                                             "D:\\Tools\\Tidy.exe"};
  EXPECT_EQ(probes, expected);
}

TEST_F(SearchListTest, NothingFoundGivesEmptyAfterProbingEveryEntry) {
  EXPECT_EQ(Search("Tidy.exe", ";C:\\A;;B;"), "");
  const std::vector<std::string> expected = {"Tidy.exe", "C:\\A\\Tidy.exe", "B\\Tidy.exe"};
  EXPECT_EQ(probes, expected);
}

TEST_F(SearchListTest, SecondByteOfDoubleByteCharacterIsNoSeparator) {
  // With 0x81 as a lead byte, 0x81 0x3B is one character, so the first entry runs to "x".
  Search("T.exe", "C:\\\x81;x;D:", AnyHighLead);
  const std::vector<std::string> joined = {"T.exe", "C:\\\x81;x\\T.exe", "D:T.exe"};
  EXPECT_EQ(probes, joined);
  probes.clear();
  Search("T.exe", "C:\\\x81;x;D:", NoLead);
  const std::vector<std::string> split = {"T.exe", "C:\\\x81\\T.exe", "x\\T.exe", "D:T.exe"};
  EXPECT_EQ(probes, split);
}

TEST_F(SearchListTest, EntryEndingInDoubleByteBackslashGetsItsOwnBackslash) {
  Search("T.exe", "C:\\\x95\x5C", ShiftJisLead);
  const std::vector<std::string> expected = {"T.exe", "C:\\\x95\x5C\\T.exe"};
  EXPECT_EQ(probes, expected);
}

TEST_F(SearchListTest, LeadByteAtTheVeryEndStaysOneByte) {
  Search("T.exe", "C:\\\x95", ShiftJisLead);
  const std::vector<std::string> expected = {"T.exe", "C:\\\x95\\T.exe"};
  EXPECT_EQ(probes, expected);
}

TEST_F(SearchListTest, FolderOfHit) {
  struct Case { const char* hit; const char* folder; };
  const Case cases[] = {
      {"C:\\Tidy\\Tidy.exe", "C:\\Tidy"},
      {"C:\\Tidy.exe", "C:\\"},
      {"Tidy_win32.exe", ""},
      {"C:Tidy.exe", "C:"},
      {"\\Tidy.exe", "\\"},
      {"\\\\server\\share\\Tidy.exe", "\\\\server\\share"},
      {"C:\\A\\\\Tidy.exe", "C:\\A\\\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderOfHit(c.hit, NoLead), c.folder) << c.hit;
  EXPECT_EQ(FolderOfHit("C:\\\x95\x5C\\Tidy.exe", ShiftJisLead), "C:\\\x95\x5C");
  EXPECT_EQ(FolderOfHit("C:\\\x95\x5CTidy.exe", ShiftJisLead), "C:\\");
}

}  // namespace
}  // namespace markwash
