// The dialog's hints: one tooltip control that shows the hint text of the
// control under the mouse pointer, disabled controls included. The dialog's
// message loop hands it the mouse messages; the display times follow the
// library's application settings when the hint is next shown.
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

  HWND form_ = nullptr;
  HWND tooltip_ = nullptr;  // owned by the dialog window, destroyed with it
  int hidePauseMs_ = -1;
  int pauseMs_ = -1;
};

}  // namespace markwash::win32
