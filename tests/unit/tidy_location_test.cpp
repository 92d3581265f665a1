// Finding Tidy.exe: the search list and its double-byte code pages, the
// folder the user chooses, and the path texts of the folder browser.
#include "core/runner/tidy_location.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/runner/browse_paths.h"

namespace markwash {
namespace {

// Shift-JIS lead bytes: the second byte of such a pair may be 0x5C ("\").
bool ShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool AnyHighLead(unsigned char b) { return b >= 0x80; }  // second bytes may even be ";"
bool NoLead(unsigned char) { return false; }

// A few files whose names compare without regard to case; every probe is kept.
class TidyLocationTest : public ::testing::Test {
 protected:
  static std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }
  FileExistsTest Exists() {
    return [this](const std::string& name) {
      probes.push_back(name);
      return files.count(Lower(name)) > 0;
    };
  }
  void Add(const std::string& name) { files.insert(Lower(name)); }
  std::vector<std::string> Probes(std::string_view list, const LeadBytePredicate& lead) {
    probes.clear();
    SearchFile("T.exe", list, Exists(), lead);
    return probes;
  }
  std::set<std::string> files;
  std::vector<std::string> probes;
};

TEST_F(TidyLocationTest, TheListIsLibraryFolderCurrentDirectoryAndTheWholePath) {
  const std::string long_path(3000, 'p');
  EXPECT_EQ(BuildSearchList("C:\\Editor\\Plugins\\Markwash.dll", "D:\\Work", "C:\\Tidy;C:\\Bin", NoLead),
            "C:\\Editor\\Plugins\\;D:\\Work;C:\\Tidy;C:\\Bin");
  EXPECT_EQ(BuildSearchList("C:Markwash.dll", "C:\\", "", NoLead), "C:;C:\\;");
  EXPECT_EQ(BuildSearchList("C:\\P\\M.dll", "C:\\", long_path, NoLead), "C:\\P\\;C:\\;" + long_path);
  EXPECT_EQ(LibraryFolder("C:\\\x95\x5C.dll", ShiftJisLead), "C:\\");  // 0x5C is half a character
  EXPECT_EQ(LibraryFolder("C:\\\x95\x5C.dll", NoLead), "C:\\\x95\x5C");
}

TEST_F(TidyLocationTest, EntriesAreProbedInOrderAfterTheBareNameAndSplitOnlyAtWholeCharacters) {
  const struct {
    const char* list;
    bool (*lead)(unsigned char);
    std::vector<std::string> probes;
  } cases[] = {
      {";C:\\A\\;;C:;B;", NoLead, {"T.exe", "C:\\A\\T.exe", "C:T.exe", "B\\T.exe"}},
      {"C:\\\x81;x;D:", AnyHighLead, {"T.exe", "C:\\\x81;x\\T.exe", "D:T.exe"}},
      {"C:\\\x81;x;D:", NoLead, {"T.exe", "C:\\\x81\\T.exe", "x\\T.exe", "D:T.exe"}},
      {"C:\\\x95\x5C", ShiftJisLead, {"T.exe", "C:\\\x95\x5C\\T.exe"}},
      {"C:\\\x95", ShiftJisLead, {"T.exe", "C:\\\x95\\T.exe"}},  // a lead byte at the very end
  };
  for (const auto& c : cases) EXPECT_EQ(Probes(c.list, c.lead), c.probes) << c.list;
  Add("D:\\Tools\\T.exe");
  EXPECT_EQ(SearchFile("T.exe", "C:\\A;D:\\Tools;E:\\Other", Exists(), NoLead), "D:\\Tools\\T.exe");
  EXPECT_EQ(probes.back(), "D:\\Tools\\T.exe");
  Add("T.exe");
  EXPECT_EQ(SearchFile("T.exe", "D:\\Tools", Exists(), NoLead), "T.exe");
  for (const auto& [hit, folder] : {std::pair{"C:\\Tidy\\Tidy.exe", "C:\\Tidy"}, {"C:\\Tidy.exe", "C:\\"},
                                    {"Tidy_win32.exe", ""}, {"C:Tidy.exe", "C:"}, {"\\\\srv\\share\\T.exe", "\\\\srv\\share"}}) {
    EXPECT_EQ(FolderOfHit(hit, NoLead), folder) << hit;
  }
  EXPECT_EQ(FolderOfHit("C:\\\x95\x5C\\Tidy.exe", ShiftJisLead), "C:\\\x95\x5C");
}

TEST_F(TidyLocationTest, AChosenFolderPrefersTheWin32NameAndElseNamesTidyExe) {
  Add("C:\\Both\\tidy_win32.exe");
  Add("C:\\Both\\Tidy.exe");
  Add("C:\\Upper\\TIDY.EXE");
  Add("\\Tidy.exe");
  for (const auto& [folder, label] : {std::pair{"C:\\Both\\", "C:\\Both\\tidy_win32.exe"},
                                      {"C:\\Upper", "C:\\Upper\\Tidy.exe"}, {"C:\\Empty", "C:\\Empty\\Tidy.exe"},
                                      {"", "\\Tidy.exe"}}) {
    EXPECT_EQ(TidyFileInFolder(folder, Exists()), label) << folder;
  }
  Add("C:\\A\\Tidy_Win32.exe");
  for (const auto& [folder, status] : {std::pair{"C:\\A", "Gefunden in C:\\A"}, {"C:\\Upper", "Gefunden in C:\\Upper"},
                                       {"C:\\C", "Nicht gefunden in C:\\C"}, {"", "Gefunden in "}}) {
    EXPECT_EQ(SelectionStatusText(folder, Exists()), status) << folder;
  }
}

TEST_F(TidyLocationTest, TheSearchButtonPrefersTheWin32NameThenTheLabelThenTidyExe) {
  int lists_built = 0;
  const auto search = [&](const std::string& label) {
    return AutoSearchTidy([&] { return ++lists_built, std::string("C:\\Plug\\;C:\\Bin;C:\\Tools"); }, label, Exists(),
                          NoLead);
  };
  Add("C:\\Bin\\Tidy.exe");
  Add("D:\\Old\\Tidy.exe");
  EXPECT_EQ(search("D:\\Old\\Tidy.exe"), "D:\\Old\\Tidy.exe");
  EXPECT_EQ(search("Tidy.exe nicht gefunden!"), "C:\\Bin\\Tidy.exe");
  EXPECT_EQ(lists_built, 3);  // built anew for each search
  Add("C:\\Tools\\tidy_win32.exe");
  EXPECT_EQ(search("D:\\Old\\Tidy.exe"), "C:\\Tools\\Tidy_win32.exe");
  files.clear();
  EXPECT_EQ(search("Tidy.exe nicht gefunden!"), "");
}

TEST(BrowsePathsTest, PathsRelativeToTheRootAndTypedTextCutBackToWhatExists) {
  const struct {
    const char *path, *root, *attachment, *relative, *edit;
  } cases[] = {
      {"C:\\Tidy", "", "", "C:\\Tidy", "C:\\Tidy"},
      {"C:\\programme\\Tidy\\Bin", "C:\\Programme\\", "\\x.htm", "Tidy\\Bin", "Tidy\\Bin\\x.htm"},
      {"C:\\Programme", "C:\\Programme", "*.exe", "", "*.exe"},
      {"C:\\", "", "", "C:\\", "C:"},
      {"C:\\ProgrammeX", "C:\\Programme", "", "C:\\ProgrammeX", "C:\\ProgrammeX"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PathRelativeToRoot(c.path, c.root), c.relative) << c.path;
    EXPECT_EQ(DefaultEditText(c.path, c.root, c.attachment), c.edit) << c.path;
  }
  const std::set<std::string> existing = {"C:", "C:\\Tidy", "C:\\Tidy\\Bin", "Rel"};
  const FileExistsTest exists = [&](const std::string& n) { return existing.count(n) > 0; };
  const struct {
    const char *root, *typed, *selected;
  } typed[] = {{"", "C:\\Tidy\\Bi", "C:\\Tidy"}, {"", "C:\\Tidy/neu/x", "C:\\Tidy"}, {"C:\\Tidy", "Bin\\zz", "C:\\Tidy\\Bin"},
               {"C:\\Tidy\\", "", "C:\\Tidy"},    {"", "Rel\\a", "Rel"},             {"", "X:\\nichts", ""}};
  for (const auto& c : typed) EXPECT_EQ(ExistingPrefix(c.root, c.typed, exists), c.selected) << c.typed;
  EXPECT_EQ(CustomButtonWidth(20, 6, 75, 200), 75);
  EXPECT_EQ(CustomButtonWidth(120, 6, 75, 200), 126);  // caption and frame
  EXPECT_EQ(CustomButtonWidth(400, 6, 75, 50), 50);
}

}  // namespace
}  // namespace markwash
