// Finding Tidy.exe: the search list and its double-byte code pages, the
// folder the user chooses, and the path texts of the folder browser.
#include "core/runner/tidy_location.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "core/runner/browse_paths.h"
#include "core/runner/search_list.h"

namespace markwash {
namespace {

// Shift-JIS lead bytes: the second byte of such a pair may be 0x5C ("\").
bool ShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool AnyHighLead(unsigned char b) { return b >= 0x80; }  // second bytes may even be ";"
bool NoLead(unsigned char) { return false; }

// Files whose names compare without regard to case; every probe is kept.
struct Disk {
  FileExistsTest Exists() {
    return [this](std::string name) {
      for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      return probes.push_back(name), files.count(name) > 0;
    };
  }
  std::set<std::string> files;  // in lower case
  std::vector<std::string> probes;
};

TEST(TidyLocation, TheListIsLibraryFolderCurrentDirectoryAndPathProbedAfterTheBareNameAtWholeCharacters) {
  EXPECT_EQ(BuildSearchList("C:\\Editor\\Plugins\\Markwash.dll", "D:\\Work", "C:\\Tidy;C:\\Bin", NoLead),
            "C:\\Editor\\Plugins\\;D:\\Work;C:\\Tidy;C:\\Bin");
  EXPECT_EQ(LibraryFolder("C:\\\x95\x5C.dll", ShiftJisLead) + "|" + LibraryFolder("C:\\\x95\x5C.dll", NoLead),
            "C:\\|C:\\\x95\x5C");  // 0x5C is half a character
  for (const auto& [list, lead, probes] : {
           std::tuple<const char*, bool (*)(unsigned char), std::vector<std::string>>{
               ";C:\\A\\;;C:;B;", NoLead, {"t.exe", "c:\\a\\t.exe", "c:t.exe", "b\\t.exe"}},
           {"C:\\\x81;x;D:", AnyHighLead, {"t.exe", "c:\\\x81;x\\t.exe", "d:t.exe"}},
           {"C:\\\x81;x;D:", NoLead, {"t.exe", "c:\\\x81\\t.exe", "x\\t.exe", "d:t.exe"}},
           {"C:\\\x95\x5C", ShiftJisLead, {"t.exe", "c:\\\x95\x5C\\t.exe"}},
           {"C:\\\x95", ShiftJisLead, {"t.exe", "c:\\\x95\\t.exe"}}}) {  // a lead byte at the very end
    Disk disk;
    EXPECT_EQ(SearchFile("T.exe", list, disk.Exists(), lead), "") << list;
    EXPECT_EQ(disk.probes, probes) << list;
  }
  Disk disk{{"d:\\tools\\t.exe"}};
  EXPECT_EQ(SearchFile("T.exe", "C:\\A;D:\\Tools;E:\\Other", disk.Exists(), NoLead), "D:\\Tools\\T.exe");
  EXPECT_EQ(FolderOfHit("C:\\\x95\x5C\\T.exe", ShiftJisLead) + "|" + FolderOfHit("C:\\T.exe", NoLead), "C:\\\x95\x5C|C:\\");
}

TEST(TidyLocation, AChosenFolderAndTheSearchButtonPreferTheWin32NameThenTheLabelThenTidyExe) {
  Disk disk{{"c:\\both\\tidy_win32.exe", "c:\\both\\tidy.exe", "c:\\upper\\tidy.exe", "c:\\a\\tidy_win32.exe"}};
  for (const auto& [folder, label, status] :
       {std::tuple{"C:\\Both\\", "C:\\Both\\tidy_win32.exe", "Gefunden in C:\\Both\\"},
        {"C:\\Upper", "C:\\Upper\\Tidy.exe", "Gefunden in C:\\Upper"},
        {"C:\\A", "C:\\A\\tidy_win32.exe", "Gefunden in C:\\A"},
        {"C:\\Empty", "C:\\Empty\\Tidy.exe", "Nicht gefunden in C:\\Empty"}}) {
    EXPECT_EQ(TidyFileInFolder(folder, disk.Exists()) + "|" + SelectionStatusText(folder, disk.Exists()),
              std::string(label) + "|" + status);
  }
  int lists_built = 0;  // anew for each search
  const auto search = [&](const std::string& label) {
    return AutoSearchTidy([&] { return ++lists_built, std::string("C:\\Plug\\;C:\\Bin;C:\\Tools"); }, label,
                          disk.Exists(), NoLead);
  };
  disk.files = {"c:\\bin\\tidy.exe", "d:\\old\\tidy.exe"};
  EXPECT_EQ(search("D:\\Old\\Tidy.exe") + "|" + search("Tidy.exe nicht gefunden!"), "D:\\Old\\Tidy.exe|C:\\Bin\\Tidy.exe");
  disk.files.insert("c:\\tools\\tidy_win32.exe");
  EXPECT_EQ(search("D:\\Old\\Tidy.exe") + "|" + std::to_string(lists_built), "C:\\Tools\\Tidy_win32.exe|3");
}

TEST(BrowsePaths, PathsRelativeToTheRootAndTypedTextCutBackToWhatExists) {
  for (const auto& [path, root, attachment, edit] : {
           std::tuple{"C:\\programme\\Tidy\\Bin", "C:\\Programme\\", "\\x.htm", "Tidy\\Bin\\x.htm"},
           {"C:\\Programme", "C:\\Programme", "*.exe", "*.exe"}, {"C:\\ProgrammeX", "C:\\Programme", "", "C:\\ProgrammeX"}}) {
    EXPECT_EQ(DefaultEditText(path, root, attachment), edit) << path;
  }
  Disk disk{{"c:", "c:\\tidy", "c:\\tidy\\bin"}};
  for (const auto& [root, typed, selected] : {std::tuple{"", "C:\\Tidy/neu/x", "C:\\Tidy"},
                                              {"C:\\Tidy", "Bin\\zz", "C:\\Tidy\\Bin"}, {"", "X:\\nichts", ""}}) {
    EXPECT_EQ(ExistingPrefix(root, typed, disk.Exists()), selected) << typed;
  }
  for (const auto& [text, width] : {std::pair{20, 75}, {120, 126}, {400, 200}}) {  // caption and frame, in bounds
    EXPECT_EQ(CustomButtonWidth(text, 6, 75, 200), width) << text;
  }
}

}  // namespace
}  // namespace markwash
