#include "win32/dialog/markwash_form.h"

#include <commctrl.h>


#include "win32/common/application.h"
#include "win32/common/module.h"
#include "win32/common/system_error.h"
#include "win32/common/text_encoding.h"
#include "win32/dialog/number_pair.h"

namespace markwash::win32 {
namespace {

// An empty in-memory dialog template: the controls come from the layout.
struct alignas(4) EmptyDialogTemplate {
  DLGTEMPLATE header;
  WORD menu = 0;
  WORD windowClass = 0;
  WCHAR title[1] = L"";
};

constexpr DWORD kFormStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;

struct DisabledWindows {
  HWND except;
  std::vector<HWND> windows;
};

BOOL CALLBACK DisableThreadWindow(HWND window, LPARAM param) {
  auto* disabled = reinterpret_cast<DisabledWindows*>(param);
  if (window != disabled->except && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
    ::EnableWindow(window, FALSE);
    disabled->windows.push_back(window);
  }
  return TRUE;
}

}  // namespace

TMarkwashForm::TMarkwashForm() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  EmptyDialogTemplate dialogTemplate{};
  dialogTemplate.header.style = kFormStyle;
  window_ = ::CreateDialogIndirectParamW(ModuleInstance(), &dialogTemplate.header, ::GetActiveWindow(), DialogProc,
                                         reinterpret_cast<LPARAM>(this));
  if (!window_) RaiseLastSystemError();
  errorBoxOwner_.emplace(window_);
  try {
    ::SetWindowTextW(window_, Utf8ToWide(kFormCaption).c_str());
    ::SetWindowPos(window_, nullptr, 0, 0, kFormWidth, kFormHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    controls_.Create(window_);
    OnClick(ControlId::bOK, [this] { bOKClick(); });
    OnClick(ControlId::bCancel, [this] { bCancelClick(); });
    FormCreate();
  } catch (...) {
    ::DestroyWindow(window_);
    throw;
  }
}

TMarkwashForm::~TMarkwashForm() {
  RunEvent(FormEvent::Destroy);
  Dispatch([this] { FormDestroy(); });
  ::DestroyWindow(window_);
  parts_.clear();
}

void TMarkwashForm::FormCreate() {
  TheApplication().hintHidePauseMs = 10000;
  inputLines_.clear();
  outputLines_.clear();
}

void TMarkwashForm::SetInputText(std::string_view text) {
  inputLines_ = LineBlock(text);
  inputCopy_ = MappedTextCopy::Of(inputLines_.Joined());
  if (inputCopy_) inputLines_.KeepTextIn(inputCopy_.text());
}

void TMarkwashForm::FormDestroy() {
  inputLines_.clear();
  outputLines_.clear();
  messageLines_.clear();
}

int TMarkwashForm::ShowModal() {
  // Before the window is first visible: the stored state.
  RunEvent(FormEvent::Show);
  DisabledWindows disabled{window_, {}};
  ::EnumThreadWindows(::GetCurrentThreadId(), DisableThreadWindow, reinterpret_cast<LPARAM>(&disabled));
  shown_ = true;
  modalResult_ = kModalNone;
  ::ShowWindow(window_, showCommand_);
  // Showing need not resize either: the stored widths meet the shown size now.
  controls_.Arrange();
  // Showing need not resize; the resize handlers run now at the latest.
  RunEvent(FormEvent::Resize);
  ::SetForegroundWindow(window_);
  // Painted first, so that the work of the opened dialog delays nothing the
  // user sees; posted now, it comes before a click on the painted dialog.
  ::RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  Post([this] { RunEvent(FormEvent::Opened); });
  MSG msg;
  while (modalResult_ == kModalNone) {
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {  // the host is quitting: pass the request on and cancel
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      modalResult_ = kModalCancel;
      break;
    }
    if (got == -1) {
      modalResult_ = kModalCancel;
      break;
    }
    controls_.RelayToHints(msg);
    if (PageKeyDown(msg)) continue;
    if (!::IsDialogMessageW(window_, &msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  RunEvent(FormEvent::Close);
  // Enable the host before hiding, so that activation goes back to it.
  for (HWND w : disabled.windows)
    if (::IsWindow(w)) ::EnableWindow(w, TRUE);
  ::ShowWindow(window_, SW_HIDE);
  return modalResult_;
}

void TMarkwashForm::bOKClick() {
  if (accept_) accept_(outputLines_.empty() ? inputLines_ : outputLines_);
  EndModal(kModalOk);
}

INT_PTR CALLBACK TMarkwashForm::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    return FALSE;
  }
  auto* form = reinterpret_cast<TMarkwashForm*>(::GetWindowLongPtrW(window, DWLP_USER));
  if (!form) return FALSE;
  return Guarded([&] { return form->HandleMessage(message, wParam, lParam); }, [] { return INT_PTR{TRUE}; });
}

INT_PTR TMarkwashForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (!controls_.Created()) return FALSE;
      controls_.Arrange();
      // Only once shown: the first resize must follow the restored state.
      if (shown_) RunEvent(FormEvent::Resize);
      return TRUE;
    case kRunPosted:
      RunPosted();
      return TRUE;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize = {kFormWidth, kFormHeight};
      return TRUE;
    }
    case WM_NEXTDLGCTL:
      return NextControlRequested(wParam, lParam);
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
      return TRUE;
    case DM_GETDEFID:
      ::SetWindowLongPtrW(window_, DWLP_MSGRESULT, MAKELONG(controls_.IdOf(controls_.DefaultButton()), DC_HASDEFID));
      return TRUE;
    case WM_CLOSE:
      EndModal(kModalCancel);
      return TRUE;
    default:
      return FALSE;
  }
}

void TMarkwashForm::OnCommand(int id, int code) {
  if (id == IDOK) {  // Enter where no control takes it: press the default button
    HWND button = controls_.Get(controls_.DefaultButton());
    if (::IsWindowEnabled(button)) ::SendMessageW(button, BM_CLICK, 0, 0);
    return;
  }
  const std::optional<ControlId> control = controls_.IdFromCommand(id);
  if (!control) return;  // IDCANCEL from Esc: no button is bound to Esc
  // A control changed by code: its handlers ran in the code already.
  if (muted_ > 0) return;
  if (code == BN_CLICKED) Dispatch([this, control] { Click(*control); });
  RunNotification(*control, code);
}

void TMarkwashForm::OnNotify(const NMHDR& header) {
  if (controls_.Hints().AnswerTextRequest(header)) return;
  if (header.code == UDN_DELTAPOS) {
    const bool taken = StepNumberPair(reinterpret_cast<const NMUPDOWN&>(header));
    ::SetWindowLongPtrW(window_, DWLP_MSGRESULT, taken);  // nonzero: the up-down does not step itself
    return;
  }
  if (header.code == TCN_SELCHANGE && header.hwndFrom == controls_.Get(ControlId::pcNewTags)) {
    controls_.ShowSelectedSheet(ControlId::pcNewTags);
    return;
  }
  if (header.hwndFrom != controls_.Get(ControlId::Pages)) return;
  if (header.code == TCN_SELCHANGING) {
    // A script that cannot be read keeps its page, so that no edit made there is lost.
    const bool mayLeave = RunEvent(FormEvent::PagesChanging);
    ::SetWindowLongPtrW(window_, DWLP_MSGRESULT, mayLeave ? FALSE : TRUE);
  } else if (header.code == TCN_SELCHANGE) {
    controls_.ShowSelectedSheet(ControlId::Pages);
    RunEvent(FormEvent::PagesChange);
  }
}

void TMarkwashForm::ActivatePage(ControlId sheet) {
  HWND pages = controls_.Get(ControlId::Pages);
  const int index = PageIndexOf(sheet);
  const bool changing = ::SendMessageW(pages, TCM_GETCURSEL, 0, 0) != index;
  if (changing && !RunEvent(FormEvent::PagesChanging)) return;
  ::SendMessageW(pages, TCM_SETCURSEL, index, 0);
  controls_.ShowSelectedSheet(ControlId::Pages);
  if (changing) RunEvent(FormEvent::PagesChange);
}

ControlId TMarkwashForm::ActivePage() const {
  const auto index = ::SendMessageW(controls_.Get(ControlId::Pages), TCM_GETCURSEL, 0, 0);
  const ControlSpec* sheet = SheetAt(LayoutRow(ControlId::Pages).name, static_cast<int>(index));
  return sheet ? sheet->id : ControlId::Pages;
}

}  // namespace markwash::win32
