#include "core/common/file_search.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace markwash {
namespace {

class FileSearchTest : public ::testing::Test {
 protected:
  std::string Search(std::string_view list, std::string_view name = "Tidy.exe") {
    probes.clear();
    return SearchFile(
        name, list,
        [this](const std::string& file) {
          probes.push_back(file);
          return files.count(file) > 0;
        },
        [](unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || byte >= 0xE0; });
  }
  std::set<std::string> files;
  std::vector<std::string> probes;
};

TEST_F(FileSearchTest, BuildsLibraryFolderCurrentDirectoryAndWholePath) {
  const std::string long_path(5000, 'p');
  EXPECT_EQ(BuildSearchList("C:\\Plugins\\Markwash.dll", "C:\\Work", "C:\\Bin;D:\\"),
            "C:\\Plugins\\;C:\\Work;C:\\Bin;D:\\");
  EXPECT_EQ(BuildSearchList("C:\\M.dll", "C:\\W", long_path).size(), 5000u + 9u);
}

TEST_F(FileSearchTest, TriesBareNameFirstThenEachEntryInOrder) {
  EXPECT_EQ(Search("C:\\A\\;;C:\\B;D:"), "");
  EXPECT_EQ(probes, (std::vector<std::string>{"Tidy.exe", "C:\\A\\Tidy.exe", "C:\\B\\Tidy.exe", "D:Tidy.exe"}));
}

TEST_F(FileSearchTest, GivesTheFirstHitAsBuilt) {
  files = {"C:\\B\\Tidy.exe", "D:\\Tidy.exe"};
  EXPECT_EQ(Search("C:\\A;C:\\B;D:\\"), "C:\\B\\Tidy.exe");
  files.insert("Tidy.exe");
  EXPECT_EQ(Search("C:\\A;C:\\B"), "Tidy.exe");
}

TEST_F(FileSearchTest, SecondByteOfDoubleByteCharacterIsNoSeparator) {
  // 0x95 0x5C is one Shift-JIS character whose second byte looks like "\";
  // 0x81 0x3B one whose second byte looks like ";".
  EXPECT_EQ(Search("C:\\\x95\\;C:\\x\x81;y"), "");
  EXPECT_EQ(probes, (std::vector<std::string>{"Tidy.exe", "C:\\\x95\\\\Tidy.exe", "C:\\x\x81;y\\Tidy.exe"}));
}

TEST_F(FileSearchTest, LeadByteAtTheVeryEndIsKept) {
  EXPECT_EQ(Search("C:\\x\x81"), "");
  EXPECT_EQ(probes.back(), "C:\\x\x81\\Tidy.exe");
}

}  // namespace
}  // namespace markwash
