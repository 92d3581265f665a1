#include "win32/dialog/enhanced_edit.h"

#include <commctrl.h>

#include <memory>
#include <string>

#include "core/dialog/numeric_text.h"
#include "win32/common/text_encoding.h"
#include "win32/common/window_guard.h"
#include "win32/common/window_text.h"

namespace markwash::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x4E45;  // "EN"

struct FieldState {
  std::wstring entryText;  // the text when the field last got the focus
};

std::wstring ClipboardFirstLine(HWND owner) {
  std::wstring line;
  if (!::IsClipboardFormatAvailable(CF_UNICODETEXT) || !::OpenClipboard(owner)) return line;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* text = static_cast<const wchar_t*>(::GlobalLock(data))) {
      line = Utf8ToWide(PastableText(WideToUtf8(text)));
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return line;
}

bool IsKey(const MSG* msg, WPARAM key) {
  return msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) && msg->wParam == key;
}

LRESULT HandleFieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* state = reinterpret_cast<FieldState*>(data);
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter and Esc belong to the field, so the dialog neither presses its
      // default button nor treats Esc as cancel. Tab belongs to the dialog:
      // the multi-line edit underneath would keep it and trap the focus.
      LRESULT code = ::DefSubclassProc(window, message, wParam, lParam);
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      if (IsKey(msg, VK_RETURN) || IsKey(msg, VK_ESCAPE) || IsKey(msg, '\n')) code |= DLGC_WANTALLKEYS;
      if (IsKey(msg, VK_TAB)) code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
      return code;
    }
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) return 0;
      if (wParam == VK_ESCAPE) {
        ::SetWindowTextW(window, state->entryText.c_str());
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == '\r' || wParam == '\n' || wParam == VK_ESCAPE) return 0;
      break;
    case WM_PASTE: {
      const std::wstring line = ClipboardFirstLine(window);
      ::SendMessageW(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
      return 0;
    }
    case WM_SETFOCUS: {
      const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
      state->entryText = WindowText(window);
      if (!(::GetKeyState(VK_LBUTTON) & 0x8000)) ::SendMessageW(window, EM_SETSEL, 0, -1);
      return result;
    }
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(window, GuardedSubclassProc<HandleFieldProc>, kSubclassId);
      delete state;
      break;
    default:
      break;
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}


}  // namespace

void MakeEnhancedEdit(HWND edit) {
  auto state = std::unique_ptr<FieldState>(new (std::nothrow) FieldState);
  if (state && ::SetWindowSubclass(edit, GuardedSubclassProc<HandleFieldProc>, kSubclassId,
                                    reinterpret_cast<DWORD_PTR>(state.get())))
    state.release();
}

}  // namespace markwash::win32
