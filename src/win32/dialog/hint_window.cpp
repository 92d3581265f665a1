#include "win32/dialog/hint_window.h"

#include <commctrl.h>

#include "core/common/error.h"
#include "win32/common/application.h"
#include "win32/common/module.h"
#include "win32/common/window_guard.h"

namespace markwash::win32 {
namespace {

constexpr int kMaxHintWidth = 800;
constexpr UINT kPollMs = 100;  // wide enough that only the texts' own line breaks break lines

// The deepest visible control under a screen point, disabled ones included
// (they get no mouse messages of their own but still have hints).
HWND ControlAt(HWND form, POINT screen) {
  HWND current = form;
  for (;;) {
    POINT p = screen;
    ::ScreenToClient(current, &p);
    HWND child = ::ChildWindowFromPointEx(current, p, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == current) return current;
    current = child;
  }
}

// The control under a point of the dialog, disabled ones included; nullptr
// when the dialog is not what lies at that point.
HWND DialogControlAt(HWND form, POINT screen) {
  HWND top = ::WindowFromPoint(screen);
  return top && ::GetAncestor(top, GA_ROOT) == form ? ControlAt(form, screen) : nullptr;
}

// The tooltip asks which window is under the pointer before it shows a hint;
// the system's answer skips disabled windows.
LRESULT TipProc(HWND tip, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR form) {
  if (message == TTM_WINDOWFROMPOINT && lParam) {
    if (HWND control = DialogControlAt(reinterpret_cast<HWND>(form), *reinterpret_cast<const POINT*>(lParam)))
      return reinterpret_cast<LRESULT>(control);
  }
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(tip, GuardedSubclassProc<TipProc>, 1);
  return ::DefSubclassProc(tip, message, wParam, lParam);
}

}  // namespace

void HintWindow::Create(HWND form) {
  form_ = form;
  tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                               ModuleInstance(), nullptr);
  if (!tooltip_) throw Error("Cannot create the dialog's hint window");
  ::SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kMaxHintWidth);
  ::SetWindowSubclass(tooltip_, GuardedSubclassProc<TipProc>, 1, reinterpret_cast<DWORD_PTR>(form_));
  FollowApplicationTimes();
  // Ends with the dialog window, before this object.
  ::SetTimer(form_, reinterpret_cast<UINT_PTR>(this), kPollMs, PollDisabled);
}

void CALLBACK HintWindow::PollDisabled(HWND form, UINT, UINT_PTR self, DWORD) {
  auto* hints = reinterpret_cast<HintWindow*>(self);
  POINT screen;
  if (!::GetCursorPos(&screen) || (screen.x == hints->lastPolled_.x && screen.y == hints->lastPolled_.y)) return;
  hints->lastPolled_ = screen;
  HWND control = DialogControlAt(form, screen);
  const bool overDisabled = control && !::IsWindowEnabled(control);
  // Moves over enabled controls arrive as messages; only the way onto and
  // off a disabled control needs telling.
  if (overDisabled || hints->overDisabled_) hints->RelayMove(control ? control : form, screen);
  hints->overDisabled_ = overDisabled;
}

void HintWindow::RelayMove(HWND control, POINT screen) {
  MSG move{};
  move.hwnd = control;
  move.message = WM_MOUSEMOVE;
  move.pt = screen;
  POINT p = screen;
  ::ScreenToClient(control, &p);
  move.lParam = MAKELPARAM(p.x, p.y);
  ::SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

void HintWindow::Add(HWND control, const std::wstring& text) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = form_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());  // the tooltip keeps a copy
  ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void HintWindow::SetLiveText(HWND control, std::function<std::wstring()> text) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = form_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  ::SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  liveTexts_.emplace_back(control, std::move(text));
}

bool HintWindow::AnswerTextRequest(const NMHDR& header) {
  if (header.hwndFrom != tooltip_ || header.code != TTN_GETDISPINFOW) return false;
  auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
  for (const auto& [control, text] : liveTexts_) {
    if (reinterpret_cast<UINT_PTR>(control) != info.hdr.idFrom) continue;
    shownLiveText_ = text();
    info.lpszText = shownLiveText_.data();
    info.hinst = nullptr;
  }
  return true;
}

void HintWindow::FollowApplicationTimes() {
  const Application& app = TheApplication();
  if (app.hintHidePauseMs != hidePauseMs_) {
    hidePauseMs_ = app.hintHidePauseMs;
    ::SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(hidePauseMs_, 0));
  }
  if (app.hintPauseMs != pauseMs_) {
    pauseMs_ = app.hintPauseMs;
    ::SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(pauseMs_, 0));
  }
}

void HintWindow::Relay(const MSG& msg) {
  if (!tooltip_) return;
  FollowApplicationTimes();
  if (msg.message < WM_MOUSEFIRST || msg.message > WM_MOUSELAST) return;
  if (msg.hwnd != form_ && !::IsChild(form_, msg.hwnd)) return;
  MSG relayed = msg;
  relayed.hwnd = ControlAt(form_, msg.pt);
  POINT p = msg.pt;
  ::ScreenToClient(relayed.hwnd, &p);
  relayed.lParam = MAKELPARAM(p.x, p.y);
  ::SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

}  // namespace markwash::win32
