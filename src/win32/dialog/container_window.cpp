#include "win32/dialog/container_window.h"

#include <commctrl.h>

#include <optional>

#include "win32/common/module.h"
#include "win32/common/window_guard.h"

namespace markwash::win32 {
namespace {

// Messages a child sends to its parent that the dialog must see.
bool IsForwarded(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case DM_GETDEFID:
      return true;
    default:
      return false;
  }
}

LRESULT Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND dialog = ::GetAncestor(window, GA_ROOT);
  LRESULT result = ::SendMessageW(dialog, message, wParam, lParam);
  // A dialog procedure puts its real answer into DWLP_MSGRESULT.
  if (message == WM_NOTIFY || message == DM_GETDEFID) result = ::GetWindowLongPtrW(dialog, DWLP_MSGRESULT);
  return result;
}

// What every container does itself; nothing for the messages left to the
// window's own handling.
std::optional<LRESULT> HandleAsContainer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsForwarded(message)) return Forward(window, message, wParam, lParam);
  // A multi-line edit asks its parent to close on Esc; a container is no
  // window that closes.
  if (message == WM_CLOSE) return 0;
  if (message == WM_ERASEBKGND) {  // a group box paints only its frame and caption
    RECT r;
    ::GetClientRect(window, &r);
    ::FillRect(reinterpret_cast<HDC>(wParam), &r, ::GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
  return std::nullopt;
}

LRESULT ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto handled = HandleAsContainer(window, message, wParam, lParam);
  return handled ? *handled : ::DefWindowProcW(window, message, wParam, lParam);
}

// A raised outer and a lowered inner edge with a border between them.
LRESULT BevelPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return ContainerProc(window, message, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(window, &ps);
  RECT r;
  ::GetClientRect(window, &r);
  ::DrawEdge(dc, &r, BDR_RAISEDOUTER, BF_RECT);
  ::InflateRect(&r, -(kBevelPanelInset - 1), -(kBevelPanelInset - 1));
  ::DrawEdge(dc, &r, BDR_SUNKENINNER, BF_RECT);
  ::EndPaint(window, &ps);
  return 0;
}

LRESULT ForwardingSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (const auto handled = HandleAsContainer(window, message, wParam, lParam)) return *handled;
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(window, GuardedSubclassProc<ForwardingSubclassProc>, 1);
  return ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void RegisterContainerClass() {
  WNDCLASSEXW wc{};
  wc.lpfnWndProc = GuardedWindowProc<ContainerProc>;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kContainerClass;
  RegisterLibraryClass(wc);
  wc.lpfnWndProc = GuardedWindowProc<BevelPanelProc>;
  wc.lpszClassName = kBevelPanelClass;
  RegisterLibraryClass(wc);
}

void ForwardNotificationsOf(HWND window) { ::SetWindowSubclass(window, GuardedSubclassProc<ForwardingSubclassProc>, 1, 0); }

}  // namespace markwash::win32
