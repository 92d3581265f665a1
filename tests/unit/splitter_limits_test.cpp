#include "core/dialog/splitter_limits.h"

#include <gtest/gtest.h>

namespace markwash {
namespace {

// The options page: source formatting (left), two splitters of 3, formats (right).
constexpr int kSplitter = 3;

struct Page {
  int client_width;
  int left_group;
  int right_group;
  int Docked() const { return left_group + kSplitter + kSplitter + right_group; }
  int Middle() const { return client_width - Docked(); }
};

int DragLeft(Page& page, int requested) {
  const auto limits = ComputeSplitterLimits(185, page.client_width, page.Docked(), page.left_group);
  return page.left_group = ClampSplitterWidth(requested, limits);
}

int DragRight(Page& page, int requested) {
  const auto limits = ComputeSplitterLimits(190, page.client_width, page.Docked(), page.right_group);
  return page.right_group = ClampSplitterWidth(requested, limits);
}

// Each splitter stops at its group's minimum and where the middle group would
// get narrower than the minimum of the splitter being dragged.
TEST(SplitterLimitsTest, EachSplitterStopsAtItsMinimumAndAtTheMiddleGroupsMinimum) {
  struct Case { bool left; int client_width; int requested; int width; int middle; };
  const Case cases[] = {
      {true, 577, 0, 185, 196},      // the created page: far left stops at 185
      {true, 577, 190, 190, 191},
      {true, 577, 1000, 196, 185},   // far right leaves the middle group 185
      {true, 800, 300, 300, 304},
      {false, 577, 0, 190, 196},
      {false, 577, 195, 195, 191},
      {false, 577, 1000, 196, 190},  // the middle group keeps the right splitter's 190
      {false, 900, 1000, 519, 190},
  };
  for (const auto& c : cases) {
    Page page{c.client_width, 185, 190};
    EXPECT_EQ(c.left ? DragLeft(page, c.requested) : DragRight(page, c.requested), c.width) << c.requested;
    EXPECT_EQ(page.Middle(), c.middle) << c.requested;
  }
}

TEST(SplitterLimitsTest, LimitsFollowTheOtherGroupAndTheCurrentWidth) {
  Page page{800, 185, 190};
  DragRight(page, 300);                  // the other group is wider now
  EXPECT_EQ(DragLeft(page, 1000), 309);  // 800 - 185 - (6 + 300)
  EXPECT_EQ(page.Middle(), 185);
  EXPECT_EQ(DragLeft(page, 250), 250);   // shrinking again works from the new width
  EXPECT_EQ(page.Middle(), 244);
}

TEST(SplitterLimitsTest, TooNarrowPageKeepsTheGroupAtItsMinimum) {
  // A stored width from an earlier, wider window leaves the left group no
  // room above its minimum: it stays at the minimum instead of shrinking.
  Page page{577, 185, 300};
  EXPECT_EQ(DragLeft(page, 250), 185);
  EXPECT_EQ(DragLeft(page, 100), 185);
  Page zero{577, 0, 190};                // a stored width that was no number
  EXPECT_EQ(DragLeft(zero, 100), 185);
}

}  // namespace
}  // namespace markwash
