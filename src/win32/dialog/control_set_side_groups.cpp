// The side groups that splitters resize, fitted into their page at every
// layout: a resize, a restore from maximised, the first showing with stored
// widths.
#include <algorithm>
#include <climits>

#include "core/dialog/side_groups.h"
#include "win32/dialog/control_set.h"

namespace markwash::win32 {

void ControlSet::FitSideGroupsOf(std::string_view parentName, int clientWidth) {
  // The group a splitter resizes is its buddy.
  const auto GroupOf = [this](const ControlSpec& splitter) -> Entry* {
    const ControlSpec* group = FindControlSpec(splitter.buddy);
    return group ? &entries_.at(static_cast<size_t>(group->id)) : nullptr;
  };
  Entry* left = nullptr;
  Entry* right = nullptr;
  int leftMinimum = 0, rightMinimum = 0, splitterWidths = 0;
  // The middle group keeps what both splitters promise it while dragged.
  int middleMinimum = INT_MAX;
  for (const Entry& e : entries_) {
    if (e.row->parent != parentName || e.row->kind != ControlKind::Splitter) continue;
    if (e.row->dock != Dock::Left && e.row->dock != Dock::Right) continue;
    splitterWidths += e.docked.width;
    middleMinimum = std::min(middleMinimum, e.row->minSize);
    if (e.row->dock == Dock::Left) {
      left = GroupOf(*e.row);
      leftMinimum = e.row->minSize;
    } else {
      right = GroupOf(*e.row);
      rightMinimum = e.row->minSize;
    }
  }
  if (!left || !right) return;
  const SideWidths fitted = FitSideGroups(clientWidth - splitterWidths - middleMinimum,
                                          {left->wantedWidth, leftMinimum}, {right->wantedWidth, rightMinimum});
  left->docked.width = fitted.left;
  right->docked.width = fitted.right;
  // What the user sees is what the groups are: enlarging the window then
  // widens the middle group only. While the dialog is still hidden (its
  // stored state being restored at its normal size) the widths asked for
  // stay, for a window that is shown maximised.
  if (::IsWindowVisible(form_)) {
    left->wantedWidth = fitted.left;
    right->wantedWidth = fitted.right;
  }
}

void ControlSet::FitSplitPanelOf(std::string_view parentName, int clientHeight) {
  for (const Entry& splitter : entries_) {
    if (splitter.row->parent != parentName || splitter.row->kind != ControlKind::Splitter) continue;
    if (splitter.row->dock != Dock::Top && splitter.row->dock != Dock::Bottom) continue;
    const ControlSpec* group = FindControlSpec(splitter.row->buddy);
    if (!group) continue;
    Entry& panel = entries_.at(static_cast<size_t>(group->id));
    int others = 0;  // the heights of the other top- and bottom-docked controls
    for (const Entry& e : entries_)
      if (e.row->parent == parentName && &e != &panel && (e.row->dock == Dock::Top || e.row->dock == Dock::Bottom))
        others += e.docked.height;
    const int room = clientHeight - others - splitter.row->minSize;
    panel.docked.height = std::max(splitter.row->minSize, std::min(panel.wantedHeight, room));
  }
}

}  // namespace markwash::win32
