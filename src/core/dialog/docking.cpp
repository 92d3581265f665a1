#include "core/dialog/docking.h"

#include <algorithm>

namespace markwash {

void ArrangeDocked(const Rect& area, std::vector<DockItem>& items) {
  Rect free = area;
  auto place = [&](Dock dock) {
    for (auto& item : items) {
      if (item.dock != dock) continue;
      Rect& r = item.rect;
      switch (dock) {
        case Dock::Top:
          r = {free.left, free.top, free.width, r.height};
          free.top += r.height;
          free.height = std::max(0, free.height - r.height);
          break;
        case Dock::Bottom:
          r = {free.left, free.bottom() - r.height, free.width, r.height};
          free.height = std::max(0, free.height - r.height);
          break;
        case Dock::Left:
          r = {free.left, free.top, r.width, free.height};
          free.left += r.width;
          free.width = std::max(0, free.width - r.width);
          break;
        case Dock::Right:
          r = {free.right() - r.width, free.top, r.width, free.height};
          free.width = std::max(0, free.width - r.width);
          break;
        case Dock::Client:
          r = free;
          break;
        case Dock::None:
          break;
      }
    }
  };
  for (Dock d : {Dock::Top, Dock::Bottom, Dock::Left, Dock::Right, Dock::Client}) place(d);
}

}  // namespace markwash
