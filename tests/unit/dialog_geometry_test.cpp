// Where the dialog's windows go: the docking engine, the hand-written layout
// table, the splitters and side groups of the options page, and the text of a
// link label inside its window.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "core/dialog/about_page_texts.h"
#include "core/dialog/docking.h"
#include "core/dialog/layout_table.h"
#include "core/dialog/link_label_geometry.h"
#include "core/dialog/option_faces.h"
#include "core/dialog/side_groups.h"
#include "core/dialog/splitter_limits.h"

namespace markwash {
namespace {

TEST(Docking, EdgesStackInListOrderAndTheClientTakesTheRest) {
  std::vector<DockItem> items = {
      {Dock::Bottom, {0, 0, 0, 41}}, {Dock::Client, {}},          {Dock::Left, {0, 0, 185, 0}},
      {Dock::Top, {0, 0, 0, 20}},    {Dock::Right, {0, 0, 190, 0}}, {Dock::None, {7, 10, 75, 25}},
      {Dock::Top, {0, 0, 0, 5}},     {Dock::Bottom, {0, 0, 0, 13}}};
  ArrangeDocked({2, 15, 585, 443}, items);
  const Rect expected[] = {{2, 417, 585, 41}, {187, 40, 210, 364}, {2, 40, 185, 364}, {2, 15, 585, 20},
                           {397, 40, 190, 364}, {7, 10, 75, 25}, {2, 35, 585, 5}, {2, 404, 585, 13}};
  for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].rect, expected[i]) << i;
  std::vector<DockItem> crowded = {{Dock::Left, {0, 0, 400, 0}}, {Dock::Right, {0, 0, 400, 0}}, {Dock::Client, {}}};
  ArrangeDocked({0, 0, 500, 100}, crowded);
  EXPECT_EQ(crowded[2].rect.width, 0);
}

TEST(LayoutTable, ParentsComeFirstAndPartnersAndOptionControlsAreWhereTheyBelong) {
  std::set<std::string_view> seen{kFormName};
  int options = 0, sides = 0;
  for (const ControlSpec& row : DialogLayout()) {
    SCOPED_TRACE(std::string(row.name));
    EXPECT_TRUE(seen.insert(row.name).second) << "named twice";
    ASSERT_TRUE(seen.count(row.parent)) << "parent not created before";
    EXPECT_EQ(FindControlSpec(row.name), &row);
    if (row.kind == ControlKind::UpDown) {
      ASSERT_NE(FindControlSpec(row.buddy), nullptr);
      EXPECT_EQ(FindControlSpec(row.buddy)->rect.right(), row.rect.left);  // attached to its field
    }
    if (row.kind == ControlKind::Splitter) {
      ASSERT_NE(FindControlSpec(row.buddy), nullptr);
      EXPECT_EQ(FindControlSpec(row.buddy)->dock, row.dock);
      EXPECT_GT(row.minSize, 0);
    }
    if (const OptionFace* face = FindOptionFace(row.name)) {
      ++options;
      EXPECT_EQ(face->group, row.parent);
      EXPECT_EQ(row.caption, "") << "the catalogue holds the caption";
    }
    if (row.parent == "tsOptions" && (row.dock == Dock::Left || row.dock == Dock::Right)) sides += row.rect.width;
  }
  EXPECT_EQ(options, 52);  // 49 option controls, the path label, the script page's label and memo
  EXPECT_EQ(sides, 577 - 196);  // the designed options page leaves its middle group 196
  EXPECT_EQ(about::AuthorMailTarget("A B C"), "mailto:mw@example.org?subject=A-B-C+2002-01-06");
}

// The options page: left group 185 at least, right 190, middle 185, two
// splitters of 3.
TEST(SplitterLimitsTest, ADragStopsAtTheGroupsMinimumAndAtTheMiddleGroupsMinimum) {
  const struct {
    bool left;
    int page, other, requested, width;
  } cases[] = {{true, 577, 190, 0, 185},    {true, 577, 190, 190, 190},  {true, 577, 190, 1000, 196},
               {true, 800, 190, 1000, 419}, {true, 800, 300, 1000, 309}, {true, 577, 300, 250, 185},
               {false, 577, 185, 0, 190},   {false, 577, 185, 195, 195}, {false, 900, 185, 1000, 519}};
  for (const auto& c : cases) {
    const int min = c.left ? 185 : 190, start = min;
    const auto limits = ComputeSplitterLimits(min, c.page, start + 6 + c.other, start);
    EXPECT_EQ(ClampSplitterWidth(c.requested, limits), c.width) << c.page << " " << c.requested;
  }
  EXPECT_EQ(ClampSplitterWidth(100, ComputeSplitterLimits(185, 577, 0 + 6 + 190, 0)), 185);
}

TEST(SideGroups, StoredWidthsAreFittedIntoThePage) {
  const struct {
    int room, left, right;
    SideWidths expected;
  } cases[] = {
      {386, 185, 190, {185, 190}},  {386, 190, 196, {190, 196}},  {386, 700, 190, {196, 190}},
      {386, 185, 5000, {185, 201}}, {386, 190, 200, {190, 196}},  // the one further beyond gives way first
      {386, 200, 205, {190, 196}},  // as far beyond: alike, the odd pixel from the left
      {386, 0, -50, {185, 190}},    {100, 300, 300, {185, 190}},  {386, INT_MAX, INT_MAX, {190, 196}}};
  for (const auto& c : cases) {
    const SideWidths fitted = FitSideGroups(c.room, {c.left, 185}, {c.right, 190});
    EXPECT_EQ(fitted.left, c.expected.left) << c.room << " " << c.left << " " << c.right;
    EXPECT_EQ(fitted.right, c.expected.right) << c.room << " " << c.left << " " << c.right;
  }
}

TEST(LinkLabelGeometryTest, FlagsAndTextRectFollowTheStyle) {
  using A = TextAlignment;
  using L = TextLayout;
  using E = TLinkLabelEllipsis;
  const struct {
    A alignment;
    L layout;
    E ellipsis;
    bool accel, wrap, tabs;
    unsigned flags;
  } flag_cases[] = {{A::Left, L::Top, E::NoEllipsis, true, false, false, 0x100},
                    {A::Center, L::Center, E::PathEllipsis, false, false, false, 0x4901},
                    {A::Left, L::Top, E::NoEllipsis, true, true, false, 0x110},
                    {A::Right, L::Bottom, E::EndEllipsis, false, true, true, 0x8952}};
  for (const auto& c : flag_cases) {
    LinkLabelStyle style;
    style.alignment = c.alignment, style.layout = c.layout, style.ellipsis = c.ellipsis;
    style.show_accel_char = c.accel, style.word_wrap = c.wrap, style.expand_tabs = c.tabs;
    EXPECT_EQ(GetDrawTextFlags(style), c.flags);
    EXPECT_EQ(GetMeasureTextFlags(style), c.flags | 0x400u);
  }
  const struct {
    A alignment;
    L layout;
    int w, h;
    TextRect rect;
  } rect_cases[] = {{A::Right, L::Top, 30, 13, {70, 0, 100, 13}},  {A::Center, L::Top, 31, 13, {34, 0, 65, 13}},
                    {A::Left, L::Center, 30, 13, {0, 13, 30, 26}}, {A::Left, L::Bottom, 30, 13, {0, 27, 30, 40}},
                    {A::Right, L::Bottom, 130, 52, {0, 0, 100, 40}}, {A::Center, L::Center, 105, 45, {0, 0, 100, 40}}};
  for (const auto& c : rect_cases) {
    LinkLabelStyle style;
    style.alignment = c.alignment, style.layout = c.layout;
    const TextRect r = GetTextRect(style, 100, 40, c.w, c.h);
    EXPECT_TRUE(r == c.rect) << r.left << "," << r.top << "," << r.right << "," << r.bottom << " for " << c.w;
  }
}

}  // namespace
}  // namespace markwash
