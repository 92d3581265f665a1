// The one guard of every window procedure we own: no exception leaves it. An
// error is reported (see error_report.h) and the message gets the default
// handling instead.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include "win32/common/error_report.h"

namespace markwash::win32 {

using WindowHandler = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

template <WindowHandler Handler>
LRESULT CALLBACK GuardedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return Handler(window, message, wParam, lParam); },
                 [&] { return ::DefWindowProcW(window, message, wParam, lParam); });
}

using SubclassHandler = LRESULT (*)(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

template <SubclassHandler Handler>
LRESULT CALLBACK GuardedSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data) {
  return Guarded([&] { return Handler(window, message, wParam, lParam, id, data); },
                 [&] { return ::DefSubclassProc(window, message, wParam, lParam); });
}

}  // namespace markwash::win32
