// The side groups of a page beside a middle group that takes the rest of
// its width: whatever width a group is asked for (by a splitter, by a stored
// value, or left over from a larger window), the page shows every group.
#pragma once

namespace markwash {

struct SideGroup {
  int width = 0;      // the width asked for
  int min_width = 0;  // the group never gets less
};

struct SideWidths {
  int left = 0;
  int right = 0;
};

// The widths that fit: each group at least its minimum, and together no
// more than `room` (the page's width less the splitters and the middle
// group's minimum). When the asked widths do not fit, the group further
// beyond its minimum gives way first, so a group widened in a larger window
// shrinks before the other one does. When even the minimums do not fit, the
// minimums win.
SideWidths FitSideGroups(int room, const SideGroup& left, const SideGroup& right);

}  // namespace markwash
