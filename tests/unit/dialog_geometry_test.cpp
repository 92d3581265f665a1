// Where the dialog's windows go: the docking engine, the side groups of the
// options page, and the text of a link label inside its window.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "core/dialog/about_page_texts.h"
#include "core/dialog/docking.h"
#include "core/dialog/link_label_geometry.h"
#include "core/dialog/side_groups.h"

namespace markwash {

TEST(Docking, EdgesStackInListOrderAndTheClientTakesTheRest) {
  std::vector<DockItem> items = {
      {Dock::Bottom, {0, 0, 0, 41}}, {Dock::Client, {}}, {Dock::Left, {0, 0, 185, 0}}, {Dock::Top, {0, 0, 0, 20}},
      {Dock::Right, {0, 0, 190, 0}}, {Dock::None, {7, 10, 75, 25}}, {Dock::Top, {0, 0, 0, 5}},
      {Dock::Bottom, {0, 0, 0, 13}}};
  ArrangeDocked({2, 15, 585, 443}, items);
  const Rect expected[] = {{2, 417, 585, 41}, {187, 40, 210, 364}, {2, 40, 185, 364}, {2, 15, 585, 20},
                           {397, 40, 190, 364}, {7, 10, 75, 25}, {2, 35, 585, 5}, {2, 404, 585, 13}};
  for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].rect, expected[i]) << i;
  std::vector<DockItem> crowded = {{Dock::Left, {0, 0, 400, 0}}, {Dock::Right, {0, 0, 400, 0}}, {Dock::Client, {}}};
  ArrangeDocked({0, 0, 500, 100}, crowded);
  EXPECT_EQ(crowded[2].rect.width, 0);
}

// The options page: left group 185 at least, right 190.
TEST(SideGroups, StoredWidthsAreFittedIntoThePage) {
  for (const auto& [room, left, right, fitted_left, fitted_right] :
       {std::tuple{386, 185, 190, 185, 190}, {386, 190, 196, 190, 196}, {386, 700, 190, 196, 190},
        {386, 185, 5000, 185, 201}, {386, 190, 200, 190, 196},  // the one further beyond gives way first
        {386, 200, 205, 190, 196},  // as far beyond: alike, the odd pixel from the left
        {386, 0, -50, 185, 190}, {100, 300, 300, 185, 190}, {386, INT_MAX, INT_MAX, 190, 196}}) {
    const SideWidths fitted = FitSideGroups(room, {left, 185}, {right, 190});
    EXPECT_EQ(std::pair(fitted.left, fitted.right), std::pair(fitted_left, fitted_right)) << left << " " << right;
  }
}

TEST(LinkLabelGeometry, TheTextIsPlacedByAlignmentAndLayoutAndCutToTheLabel) {
  using A = TextAlignment;
  using L = TextLayout;
  for (const auto& [alignment, layout, w, h, left, top, right, bottom] :
       {std::tuple{A::Right, L::Top, 30, 13, 70, 0, 100, 13}, {A::Center, L::Top, 31, 13, 34, 0, 65, 13},
        {A::Left, L::Center, 30, 13, 0, 13, 30, 26}, {A::Left, L::Bottom, 30, 13, 0, 27, 30, 40},
        {A::Right, L::Bottom, 130, 52, 0, 0, 100, 40}, {A::Center, L::Center, 105, 45, 0, 0, 100, 40}}) {
    const TextRect r = GetTextRect({alignment, layout}, 100, 40, w, h);
    EXPECT_EQ(std::tie(r.left, r.top, r.right, r.bottom), std::tie(left, top, right, bottom)) << w << "x" << h;
  }
  EXPECT_EQ(about::AuthorMailTarget("A B C"), "mailto:mw@example.org?subject=A-B-C+2002-01-06");
}

}  // namespace markwash
