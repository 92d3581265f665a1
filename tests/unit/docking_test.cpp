#include "core/dialog/docking.h"

#include <gtest/gtest.h>

#include "core/dialog/layout_table.h"

namespace markwash {
namespace {

TEST(Docking, EdgesTakeTheirShareAndClientTheRest) {
  std::vector<DockItem> items = {
      {Dock::Bottom, {0, 0, 0, 41}},    // bottom bar
      {Dock::Client, {}},               // pages
      {Dock::Left, {0, 0, 185, 0}},     // left group
      {Dock::Top, {0, 0, 0, 20}},       // a top strip, placed before left/right
      {Dock::Right, {0, 0, 190, 0}},    // right group
      {Dock::None, {7, 10, 75, 25}},    // fixed control: untouched
  };
  ArrangeDocked({0, 0, 585, 443}, items);
  EXPECT_EQ((Rect{0, 402, 585, 41}), items[0].rect);
  EXPECT_EQ((Rect{0, 0, 585, 20}), items[3].rect);
  EXPECT_EQ((Rect{0, 20, 185, 382}), items[2].rect);
  EXPECT_EQ((Rect{395, 20, 190, 382}), items[4].rect);
  EXPECT_EQ((Rect{185, 20, 210, 382}), items[1].rect);
  EXPECT_EQ((Rect{7, 10, 75, 25}), items[5].rect);
}

TEST(Docking, StackingFollowsListOrderAndNeverGoesNegative) {
  std::vector<DockItem> items = {
      {Dock::Top, {0, 0, 0, 170}},  // first top item at the top
      {Dock::Top, {0, 0, 0, 55}},   // the next one under it
      {Dock::Bottom, {0, 0, 0, 52}},
      {Dock::Bottom, {0, 0, 0, 13}},  // the second bottom item above the first
      {Dock::Client, {}},
  };
  ArrangeDocked({2, 15, 181, 300}, items);
  EXPECT_EQ((Rect{2, 15, 181, 170}), items[0].rect);
  EXPECT_EQ((Rect{2, 185, 181, 55}), items[1].rect);
  EXPECT_EQ((Rect{2, 263, 181, 52}), items[2].rect);
  EXPECT_EQ((Rect{2, 250, 181, 13}), items[3].rect);
  EXPECT_EQ((Rect{2, 240, 181, 10}), items[4].rect);

  std::vector<DockItem> crowded = {{Dock::Left, {0, 0, 400, 0}}, {Dock::Right, {0, 0, 400, 0}},
                                   {Dock::Client, {}}};
  ArrangeDocked({0, 0, 500, 100}, crowded);
  EXPECT_EQ(0, crowded[2].rect.width);
}

TEST(LayoutTable, ParentsComeBeforeTheirChildren) {
  const auto& layout = DialogLayout();
  for (size_t i = 0; i < layout.size(); ++i) {
    if (layout[i].parent == kFormName) continue;
    bool parentBefore = false;
    for (size_t j = 0; j < i; ++j) parentBefore |= layout[j].name == layout[i].parent;
    EXPECT_TRUE(parentBefore) << layout[i].name;
    EXPECT_EQ(&layout[i], FindControlSpec(layout[i].name));
  }
}

}  // namespace
}  // namespace markwash
