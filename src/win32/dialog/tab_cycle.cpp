#include "win32/dialog/tab_cycle.h"

#include <algorithm>
#include <vector>

namespace markwash::win32 {
namespace {

struct CycleEntry {
  HWND window;
  bool stop;
};

bool Style(HWND window, LONG_PTR bits) { return (::GetWindowLongPtrW(window, GWL_STYLE) & bits) == bits; }

// Every visible, enabled window below `parent` in the dialog manager's order
// (creation order), a control parent before its children.
void CollectCycle(HWND parent, std::vector<CycleEntry>& cycle) {
  for (HWND w = ::GetWindow(parent, GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
    if (!Style(w, WS_VISIBLE) || Style(w, WS_DISABLED)) continue;
    cycle.push_back({w, Style(w, WS_TABSTOP)});
    if (::GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) CollectCycle(w, cycle);
  }
}

}  // namespace

HWND NextTabStop(HWND dialog, HWND from, bool previous) {
  std::vector<CycleEntry> cycle;
  CollectCycle(dialog, cycle);
  const int count = static_cast<int>(cycle.size());
  // Where `from` stands: itself, or the nearest window around it in the
  // cycle (the edit inside a combo box stands where the combo box does).
  int at = previous ? count : -1;
  for (HWND w = from; w && w != dialog; w = ::GetParent(w)) {
    auto it = std::find_if(cycle.begin(), cycle.end(), [w](const CycleEntry& e) { return e.window == w; });
    if (it != cycle.end()) {
      at = static_cast<int>(it - cycle.begin());
      break;
    }
  }
  const int step = previous ? -1 : 1;
  for (int i = 1; i <= count; ++i) {
    const int index = ((at + step * i) % count + count) % count;
    if (cycle[static_cast<size_t>(index)].stop) return cycle[static_cast<size_t>(index)].window;
  }
  return nullptr;
}

int PageStepOf(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || !(::GetKeyState(VK_CONTROL) & 0x8000)) return 0;
  switch (msg.wParam) {
    case VK_TAB:
      return (::GetKeyState(VK_SHIFT) & 0x8000) ? -1 : 1;
    case VK_NEXT:
      return 1;
    case VK_PRIOR:
      return -1;
    default:
      return 0;
  }
}

}  // namespace markwash::win32
