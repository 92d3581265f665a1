#include "page_down_scroll.h"

#include <algorithm>
#include <vector>

#include "stopwatch.h"

namespace bench {
namespace {

SCROLLINFO VerticalScroll(HWND view) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS | SIF_PAGE | SIF_RANGE;
  if (!::GetScrollInfo(view, SB_VERT, &info)) info = SCROLLINFO{};
  return info;
}

double ShownPercent(const SCROLLINFO& info) {
  const double range = static_cast<double>(info.nMax) - info.nMin + 1;
  if (range <= 0) return 100;
  return std::min(100.0, 100.0 * (static_cast<double>(info.nPos) - info.nMin + info.nPage) / range);
}

// The key's lParam as the keyboard gives it: PgDn of the navigation block is
// an extended key; the key-up carries the previous-state and transition bits.
LPARAM PageDownLParam(bool up) {
  const LPARAM scanCode = static_cast<LPARAM>(::MapVirtualKeyW(VK_NEXT, MAPVK_VK_TO_VSC));
  LPARAM value = 1 | (scanCode << 16) | (1 << 24);
  if (up) value |= (1UL << 30) | (1UL << 31);
  return value;
}

// Gives `view` the keyboard focus from this thread, through the view's input
// state, so that it handles the keys as after a click.
bool FocusView(HWND view) {
  const DWORD ours = ::GetCurrentThreadId();
  const DWORD theirs = ::GetWindowThreadProcessId(view, nullptr);
  if (!::AttachThreadInput(ours, theirs, TRUE)) return false;
  ::SetFocus(view);
  const bool focused = ::GetFocus() == view;
  ::AttachThreadInput(ours, theirs, FALSE);
  return focused;
}

double PressPageDownMs(HWND view) {
  const LARGE_INTEGER start = Now();
  ::SendMessageW(view, WM_KEYDOWN, VK_NEXT, PageDownLParam(false));
  ::SendMessageW(view, WM_KEYUP, VK_NEXT, PageDownLParam(true));
  // Sends WM_PAINT to the view's thread and returns when the rows are drawn.
  ::UpdateWindow(view);
  return 1000 * Seconds(start, Now());
}

// The time within which `share` of the keys were handled.
double Percentile(const std::vector<double>& sorted, double share) {
  if (sorted.empty()) return 0;
  const auto at = static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1) + 0.5);
  return sorted[std::min(at, sorted.size() - 1)];
}

}  // namespace

PageDownFigures ScrollByPageDown(HWND view, int maxKeys, double maxSeconds) {
  PageDownFigures figures;
  if (!view) return figures;
  figures.viewFound = true;
  figures.focused = FocusView(view);
  const LARGE_INTEGER start = Now();
  double totalMs = 0;
  std::vector<double> times;
  SCROLLINFO before = VerticalScroll(view);
  while (figures.keys < maxKeys && Seconds(start, Now()) < maxSeconds) {
    const double ms = PressPageDownMs(view);
    ++figures.keys;
    totalMs += ms;
    times.push_back(ms);
    if (ms > 20) ++figures.keysOver20Ms;
    figures.slowestMs = std::max(figures.slowestMs, ms);
    const SCROLLINFO after = VerticalScroll(view);
    figures.shownPercent = ShownPercent(after);
    if (after.nPos == before.nPos) {
      figures.reachedEnd = after.nPos + static_cast<int>(after.nPage) > after.nMax;
      break;
    }
    before = after;
  }
  figures.meanMs = figures.keys > 0 ? totalMs / figures.keys : 0;
  std::sort(times.begin(), times.end());
  figures.p99Ms = Percentile(times, 0.99);
  figures.p999Ms = Percentile(times, 0.999);
  return figures;
}

}  // namespace bench
