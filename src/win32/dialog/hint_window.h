// The dialog's hints: one tooltip control that shows the hint text of the
// control under the mouse pointer, disabled controls included. The dialog's
// message loop hands it the mouse messages; a disabled control gets none, so
// while the pointer is over one a short timer tells the tooltip where it is.
// The display times follow the library's application settings.
#pragma once
#include <windows.h>

#include <string>

namespace markwash::win32 {

class HintWindow {
 public:
  void Create(HWND form);
  void Add(HWND control, const std::wstring& text);
  // Called with every message the dialog's loop takes from the queue.
  void Relay(const MSG& msg);
  HWND handle() const { return tooltip_; }

 private:
  void FollowApplicationTimes();
  void RelayMove(HWND control, POINT screen);
  static void CALLBACK PollDisabled(HWND form, UINT, UINT_PTR self, DWORD);

  HWND form_ = nullptr;
  POINT lastPolled_{-1, -1};
  bool overDisabled_ = false;
  HWND tooltip_ = nullptr;  // owned by the dialog window, destroyed with it
  int hidePauseMs_ = -1;
  int pauseMs_ = -1;
};

}  // namespace markwash::win32
