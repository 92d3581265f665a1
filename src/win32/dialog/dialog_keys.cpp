#include "win32/dialog/dialog_keys.h"

#include <commctrl.h>

#include "win32/common/window_guard.h"

namespace markwash::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x4D4B;  // "MK"

LRESULT MemoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_GETDLGCODE) {
    LRESULT code = ::DefSubclassProc(window, message, wParam, lParam);
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg && msg->message == WM_KEYDOWN) {
      const bool takesEnter = (::GetWindowLongPtrW(window, GWL_STYLE) & ES_WANTRETURN) != 0;
      if (msg->wParam == VK_ESCAPE || (msg->wParam == VK_RETURN && !takesEnter))
        code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
    }
    return code;
  }
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(window, GuardedSubclassProc<MemoProc>, kSubclassId);
  return ::DefSubclassProc(window, message, wParam, lParam);
}

LRESULT UnboundLabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_GETDLGCODE) return 0;  // not a label to the dialog manager
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(window, GuardedSubclassProc<UnboundLabelProc>, kSubclassId);
  return ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void LeaveAcceleratorUnbound(HWND label) { ::SetWindowSubclass(label, GuardedSubclassProc<UnboundLabelProc>, kSubclassId, 0); }

void LeaveDialogKeysToDialog(HWND memo) { ::SetWindowSubclass(memo, GuardedSubclassProc<MemoProc>, kSubclassId, 0); }

}  // namespace markwash::win32
