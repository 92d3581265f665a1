#include "win32/dialog/bevel_line.h"

#include "win32/common/module.h"
#include "win32/common/window_guard.h"

namespace markwash::win32 {
namespace {

constexpr int kLineHeight = 2;

LRESULT BevelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: {
      const int width = LOWORD(lParam), height = HIWORD(lParam);
      const int top = height > kLineHeight ? height - kLineHeight : 0;
      ::SetWindowRgn(window, ::CreateRectRgn(0, top, width, height), TRUE);  // the system owns the region
      return 0;
    }
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(window, &ps);
      RECT r;
      ::GetClientRect(window, &r);
      if (r.bottom - r.top > kLineHeight) r.top = r.bottom - kLineHeight;
      ::DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP);
      ::EndPaint(window, &ps);
      return 0;
    }
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

void RegisterBevelClass() {
  WNDCLASSEXW wc{};
  wc.lpfnWndProc = GuardedWindowProc<BevelProc>;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kBevelClass;
  RegisterLibraryClass(wc);
}

}  // namespace markwash::win32
