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
  for (const ControlSpec& spec : DialogLayout()) {
    SCOPED_TRACE(std::string(spec.name));
    EXPECT_TRUE(seen.insert(spec.name).second) << "named twice";
    EXPECT_TRUE(seen.count(spec.parent)) << "parent not created before";
    if (spec.parent != kFormName) EXPECT_TRUE(IsContainer(FindControlSpec(spec.parent)->kind));
  }
}

TEST(DialogLayoutTable, PartnersExist) {
  for (const ControlSpec& spec : DialogLayout()) {
    SCOPED_TRACE(std::string(spec.name));
    if (spec.kind == ControlKind::UpDown) {
      ASSERT_NE(nullptr, FindControlSpec(spec.buddy));
      EXPECT_EQ(ControlKind::NumericEdit, FindControlSpec(spec.buddy)->kind);
      // Attached to the field's right side.
      EXPECT_EQ(FindControlSpec(spec.buddy)->rect.right(), spec.rect.left);
    }
    if (spec.kind == ControlKind::Splitter) {
      const ControlSpec* group = FindControlSpec(spec.buddy);
      ASSERT_NE(nullptr, group);
      EXPECT_EQ(group->dock, spec.dock);
      EXPECT_EQ(group->parent, spec.parent);
      EXPECT_GT(spec.minSize, 0);
    }
  }
}

TEST(DialogLayoutTable, EveryCatalogueControlIsPlacedInItsGroupAndTakesItsTextsFromThere) {
  int placed = 0;
  for (const ControlSpec& spec : DialogLayout()) {
    const OptionFace* face = FindOptionFace(spec.name);
    if (!face) continue;
    SCOPED_TRACE(std::string(spec.name));
    ++placed;
    EXPECT_EQ(face->group, spec.parent);
    EXPECT_EQ("", spec.caption) << "the catalogue holds the caption";
  }
  // Every control of the catalogue: 49 option controls, the path label, the
  // script page's label and memo.
  EXPECT_EQ(52, placed);
}

TEST(DialogLayoutTable, DockedSizesAddUpAtTheDesignedSize) {
  // Options page: 577 wide, the side groups and splitters leave 196 for the middle.
  int sides = 0;
  for (const ControlSpec& spec : DialogLayout())
    if (spec.parent == "tsOptions" && (spec.dock == Dock::Left || spec.dock == Dock::Right)) sides += spec.rect.width;
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
