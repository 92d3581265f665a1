// A subclass procedure that no exception leaves: a failure in the handler
// falls back to the control's default handling.
#pragma once
#include <windows.h>
#include <commctrl.h>

namespace markwash::win32 {

using SubclassHandler = LRESULT (*)(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

template <SubclassHandler Handler>
LRESULT CALLBACK GuardedSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data) {
  try {
    return Handler(window, message, wParam, lParam, id, data);
  } catch (...) {
    return ::DefSubclassProc(window, message, wParam, lParam);
  }
}

}  // namespace markwash::win32
