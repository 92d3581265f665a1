#include "win32/dialog/splitter_window.h"

#include <memory>

#include "win32/common/module.h"
#include "win32/common/window_guard.h"

namespace markwash::win32 {
namespace {

struct Drag {
  SplitterHost* host = nullptr;
  bool active = false;
  int start = 0;  // screen coordinate: the splitter itself moves while dragged
  int startSize = 0;
};

// The mouse's screen coordinate along the splitter's axis.
int ScreenAt(const Drag& drag, HWND window, LPARAM lParam) {
  POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ::ClientToScreen(window, &p);
  return drag.host->SplitterResizesHeight(window) ? p.y : p.x;
}

LRESULT HandleSplitterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* drag = reinterpret_cast<Drag*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      auto created = std::unique_ptr<Drag>(new (std::nothrow) Drag);
      if (!created) return FALSE;
      created->host = static_cast<SplitterHost*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created.release()));
      break;
    }
    case WM_NCDESTROY:
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      delete drag;
      break;
    case WM_LBUTTONDOWN:
      if (!drag || !drag->host) break;
      drag->active = true;
      drag->start = ScreenAt(*drag, window, lParam);
      drag->startSize = drag->host->SplitterGroupSize(window);
      ::SetCapture(window);
      return 0;
    case WM_MOUSEMOVE:
      if (drag && drag->active)
        drag->host->SplitterDragged(window, drag->startSize, ScreenAt(*drag, window, lParam) - drag->start);
      return 0;
    case WM_SETCURSOR:
      if (!drag || !drag->host) break;
      ::SetCursor(::LoadCursorW(nullptr, drag->host->SplitterResizesHeight(window) ? IDC_SIZENS : IDC_SIZEWE));
      return TRUE;
    case WM_LBUTTONUP:
      if (drag) drag->active = false;
      if (::GetCapture() == window) ::ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      if (drag && reinterpret_cast<HWND>(lParam) != window) drag->active = false;
      return 0;
    default:
      break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void RegisterSplitterClass() {
  WNDCLASSEXW wc{};
  wc.lpfnWndProc = GuardedWindowProc<HandleSplitterProc>;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_SIZEWE);
  wc.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kSplitterClass;
  RegisterLibraryClass(wc);
}

}  // namespace markwash::win32
