// The layout table against itself and against the option catalogue: the
// tables are written by hand, so their agreement is worth checking.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/dialog/about_page_texts.h"
#include "core/dialog/layout_table.h"
#include "core/dialog/option_faces.h"

namespace markwash {
namespace {

bool IsContainer(ControlKind kind) {
  return kind == ControlKind::Panel || kind == ControlKind::GroupBox || kind == ControlKind::PageControl ||
         kind == ControlKind::TabSheet;
}

TEST(DialogLayoutTable, NamesAreUniqueAndParentsComeFirst) {
  std::set<std::string_view> seen{kFormName};
  for (const ControlSpec& row : DialogLayout()) {
    SCOPED_TRACE(std::string(row.name));
    EXPECT_TRUE(seen.insert(row.name).second) << "named twice";
    EXPECT_TRUE(seen.count(row.parent)) << "parent not created before";
    if (row.parent != kFormName) EXPECT_TRUE(IsContainer(FindControlSpec(row.parent)->kind));
  }
}

TEST(DialogLayoutTable, PartnersExist) {
  for (const ControlSpec& row : DialogLayout()) {
    SCOPED_TRACE(std::string(row.name));
    if (row.kind == ControlKind::UpDown) {
      ASSERT_NE(nullptr, FindControlSpec(row.buddy));
      EXPECT_EQ(ControlKind::NumericEdit, FindControlSpec(row.buddy)->kind);
      // Attached to the field's right side.
      EXPECT_EQ(FindControlSpec(row.buddy)->rect.right(), row.rect.left);
    }
    if (row.kind == ControlKind::Splitter) {
      const ControlSpec* group = FindControlSpec(row.buddy);
      ASSERT_NE(nullptr, group);
      EXPECT_EQ(group->dock, row.dock);
      EXPECT_EQ(group->parent, row.parent);
      EXPECT_GT(row.minSize, 0);
    }
  }
}

TEST(DialogLayoutTable, EveryCatalogueControlIsPlacedInItsGroupAndTakesItsTextsFromThere) {
  int placed = 0;
  for (const ControlSpec& row : DialogLayout()) {
    const OptionFace* face = FindOptionFace(row.name);
    if (!face) continue;
    SCOPED_TRACE(std::string(row.name));
    ++placed;
    EXPECT_EQ(face->group, row.parent);
    EXPECT_EQ("", row.caption) << "the catalogue holds the caption";
  }
  // Every control of the catalogue: 49 option controls, the path label, the
  // script page's label and memo.
  EXPECT_EQ(52, placed);
}

TEST(DialogLayoutTable, DockedSizesAddUpAtTheDesignedSize) {
  // Options page: 577 wide, the side groups and splitters leave 196 for the middle.
  int sides = 0;
  for (const ControlSpec& row : DialogLayout())
    if (row.parent == "tsOptions" && (row.dock == Dock::Left || row.dock == Dock::Right)) sides += row.rect.width;
  EXPECT_EQ(577 - 196, sides);
  EXPECT_EQ(196, FindControlSpec("gHtmlProperties")->rect.width);
}

TEST(AboutPageTexts, MailTargetNamesThePluginAndItsVersionDate) {
  EXPECT_EQ("mailto:mw@example.org?subject=Markwash-Plugin+2002-01-06", about::AuthorMailTarget("Markwash Plugin"));
  EXPECT_EQ("mailto:mw@example.org?subject=A-B-C+2002-01-06", about::AuthorMailTarget("A B C"));
}

TEST(AboutPageTexts, LinkCaptionsShowTheAddressesTheyOpen) {
  const std::string mailCaption(about::kAuthorEmailCaption);
  const std::string homeCaption(about::kHomePageCaption);
  EXPECT_EQ("EMail-Kontakt bezüglich des Plugins: " + std::string(about::kAuthorMail), mailCaption);
  EXPECT_EQ("Homepage: " + std::string(about::kHomePage), homeCaption);
  EXPECT_EQ(about::kTidyProjectAddress, FindControlSpec("lTidySF")->caption);
  EXPECT_EQ(about::kTidyDownloadAddress, FindControlSpec("lTidyDownload")->caption);
}

}  // namespace
}  // namespace markwash
