#include "core/dialog/side_groups.h"

#include <gtest/gtest.h>

#include <climits>

namespace markwash {
namespace {

// The options page: 185 and 190 at least, the middle group 185 at least, two
// 3-pixel splitters; at the designed page width of 577 the room is 386.
TEST(SideGroups, WidthsAreFittedIntoThePage) {
  struct Case {
    const char* what;
    int room, left, right;
    SideWidths expected;
  };
  const Case cases[] = {
      {"designed size", 386, 185, 190, {185, 190}},
      {"fits as asked", 386, 190, 196, {190, 196}},
      {"left dragged wide when maximised, then restored", 386, 700, 190, {196, 190}},
      {"right stored as 5000", 386, 185, 5000, {185, 201}},
      {"both too wide: the one further beyond gives way first", 386, 190, 200, {190, 196}},
      {"both as far beyond: alike, the odd pixel from the left", 386, 200, 205, {190, 196}},
      {"below the minimum (0 from abc, -50)", 386, 0, -50, {185, 190}},
      {"page narrower than the minimums", 100, 300, 300, {185, 190}},
      {"no overflow near the integer's end", 386, INT_MAX, INT_MAX, {190, 196}},
  };
  for (const Case& c : cases) {
    const SideWidths fitted = FitSideGroups(c.room, {c.left, 185}, {c.right, 190});
    EXPECT_EQ(c.expected.left, fitted.left) << c.what;
    EXPECT_EQ(c.expected.right, fitted.right) << c.what;
  }
}

}  // namespace
}  // namespace markwash
