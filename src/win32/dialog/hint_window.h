// The dialog's hints: one tooltip control that shows the hint text of the
// control under the mouse pointer, disabled controls included. The dialog's
// message loop hands it the mouse messages; a disabled control gets none, so
// while the pointer is over one a short timer tells the tooltip where it is.
// The display times follow the library's application settings.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace markwash::win32 {

class HintWindow {
 public:
  void Create(HWND form);
  void Add(HWND control, const std::wstring& text);
  // A hint whose text is asked for each time it is about to show, replacing
  // the control's fixed one.
  void SetLiveText(HWND control, std::function<std::wstring()> text);
  // Answers the tooltip's question for a live text; false for any other
  // notification.
  bool AnswerTextRequest(const NMHDR& header);
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
  std::vector<std::pair<HWND, std::function<std::wstring()>>> liveTexts_;
  std::wstring shownLiveText_;  // the tooltip reads it after the answer
};

}  // namespace markwash::win32
