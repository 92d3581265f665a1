// Docking layout: containers dock to an edge of their parent or fill what is
// left; other controls keep their fixed position from the parent's top-left.
#pragma once
#include <vector>

namespace markwash {

enum class Dock { None, Top, Bottom, Left, Right, Client };

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

struct DockItem {
  Dock dock = Dock::None;
  Rect rect;  // in: the current rectangle (docked items keep their height or width)
};

// Arranges the items of one parent within its client area. Items are
// taken in list order within each edge: top items stack downwards, bottom
// items upwards, then left items rightwards, right items leftwards, and a
// client item takes what remains. Undocked items are left as they are.
void ArrangeDocked(const Rect& area, std::vector<DockItem>& items);

}  // namespace markwash
