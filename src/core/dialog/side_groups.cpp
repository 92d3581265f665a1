#include "core/dialog/side_groups.h"

#include <algorithm>

namespace markwash {

SideWidths FitSideGroups(int room, const SideGroup& left, const SideGroup& right) {
  // Wide arithmetic: a stored width may be anything up to the integer's end.
  using Wide = long long;
  const Wide roomAboveMinimums = std::max<Wide>(0, Wide{room} - left.min_width - right.min_width);
  Wide extraLeft = std::max<Wide>(0, Wide{left.width} - left.min_width);
  Wide extraRight = std::max<Wide>(0, Wide{right.width} - right.min_width);
  Wide over = extraLeft + extraRight - roomAboveMinimums;
  if (over > 0) {
    Wide& wider = extraLeft >= extraRight ? extraLeft : extraRight;
    Wide& narrower = extraLeft >= extraRight ? extraRight : extraLeft;
    const Wide firstCut = std::min(over, wider - narrower);
    wider -= firstCut;
    over -= firstCut;
    // Both as far beyond their minimums now: they give way alike.
    wider -= (over + 1) / 2;
    narrower -= over / 2;
  }
  return {left.min_width + static_cast<int>(extraLeft), right.min_width + static_cast<int>(extraRight)};
}

}  // namespace markwash
