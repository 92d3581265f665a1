// The plug-in's dialog and its controls, seen from a second thread of the
// host process: found by the layout name each control carries, as a user's
// automation would find them.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

// Long enough for a 20 MB run on a loaded machine; a wait that reaches it
// means the run went wrong.
constexpr DWORD kWaitLimitMs = 600000;

// Polls `condition` until it holds or the limit passes; false on the limit.
template <typename Condition>
bool WaitFor(Condition condition, DWORD sleepMs = 2) {
  const DWORD start = ::GetTickCount();
  while (!condition()) {
    if (::GetTickCount() - start > kWaitLimitMs) return false;
    ::Sleep(sleepMs);
  }
  return true;
}

// The visible top-level window of this process that holds "bRunTidy", or null.
HWND FindDialog();

// The dialog's control with this layout name, or null.
HWND Control(HWND dialog, const char* name);

std::wstring WindowText(HWND window);

// The messages page's view: the control "mErrors", or, should the view carry
// another name, the page's topmost visible control with a vertical scroll bar.
HWND MessagesView(HWND dialog);

}  // namespace bench
