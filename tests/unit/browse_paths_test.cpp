#include "core/runner/browse_paths.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace markwash {
namespace {

TEST(BrowsePathsTest, RelativeToRootAndEditDefault) {
  struct Case { const char* path; const char* root; const char* attachment; const char* relative;
                const char* edit; };
  const Case cases[] = {
      {"C:\\Tidy", "", "", "C:\\Tidy", "C:\\Tidy"},
      {"C:\\Programme\\Tidy", "C:\\Programme", "", "Tidy", "Tidy"},
      {"C:\\programme\\Tidy\\Bin", "C:\\Programme\\", "\\x.htm", "Tidy\\Bin", "Tidy\\Bin\\x.htm"},
      {"C:\\Programme", "C:\\Programme", "*.exe", "", "*.exe"},
      {"D:\\Other", "C:\\Programme", "", "D:\\Other", "D:\\Other"},
      {"C:\\", "", "", "C:\\", "C:"},
      {"C:\\ProgrammeX", "C:\\Programme", "", "C:\\ProgrammeX", "C:\\ProgrammeX"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PathRelativeToRoot(c.path, c.root), c.relative) << c.path;
    EXPECT_EQ(DefaultEditText(c.path, c.root, c.attachment), c.edit) << c.path;
  }
}

TEST(BrowsePathsTest, TypedTextIsCutBackToWhatExists) {
  const std::set<std::string> existing = {"C:", "C:\\Tidy", "C:\\Tidy\\Bin", "Rel"};
  const FileExistsTest exists = [&](const std::string& n) { return existing.count(n) > 0; };
  struct Case { const char* root; const char* typed; const char* selected; };
  const Case cases[] = {
      {"", "C:\\Tidy\\Bin", "C:\\Tidy\\Bin"},
      {"", "C:\\Tidy\\Bi", "C:\\Tidy"},
      {"", "C:\\Tidy/neu/x", "C:\\Tidy"},
      {"C:\\Tidy", "Bin\\zz", "C:\\Tidy\\Bin"},
      {"C:\\Tidy\\", "", "C:\\Tidy"},
      {"", "X:\\nichts", ""},
      {"", "Rel\\a", "Rel"},
      {"", "nothing", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ExistingPrefix(c.root, c.typed, exists), c.selected) << c.typed;
}

TEST(BrowsePathsTest, ButtonWidthBetweenMinimumAndMaximum) {
  EXPECT_EQ(75, CustomButtonWidth(20, 6, 75, 200));    // short caption: as wide as OK
  EXPECT_EQ(126, CustomButtonWidth(120, 6, 75, 200));  // caption and frame
  EXPECT_EQ(200, CustomButtonWidth(400, 6, 75, 200));  // long caption stops at the maximum
  EXPECT_EQ(50, CustomButtonWidth(10, 6, 75, 50));     // a narrow dialog: the maximum wins
}

}  // namespace
}  // namespace markwash
