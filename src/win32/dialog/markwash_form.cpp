#include "win32/dialog/markwash_form.h"

#include <commctrl.h>

#include <exception>
#include <utility>

#include "core/common/error.h"
#include "win32/common/system_error.h"
#include "win32/common/text_encoding.h"
#include "win32/dialog/form_placement.h"
#include "win32/dialog/number_pair.h"
#include "win32/plugin/module.h"
#include "win32/plugin/plugin_state.h"

namespace markwash::win32 {
namespace {

// An empty in-memory dialog template: the controls come from the layout.
struct alignas(4) EmptyDialogTemplate {
  DLGTEMPLATE header;
  WORD menu = 0;
  WORD windowClass = 0;
  WCHAR title[16] = L"Markwash Plugin";
};

constexpr char kNoMemoryForResultText[] =
    "Für die Übergabe des Ergebnisses an den Editor ist nicht genug Speicher frei.\r\n"
    "Die Ausgabe bleibt angeboten; schließen Sie andere Programme oder Dokumente und versuchen Sie es erneut.";

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
  try {
    ::SetWindowTextW(window_, Utf8ToWide(kFormCaption).c_str());
    ::SetWindowPos(window_, nullptr, 0, 0, kFormWidth, kFormHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    controls_.Create(window_);
    optionSets_ = std::make_unique<FormOptionSets>(MakeOptionFormSite(), waitCursor_);
    WireEvents();
    ActivatePage(0);
    FormPlacement = std::make_unique<TFormStorage>(window_, controls_, placementFileName_);
    FormCreate();
  } catch (...) {
    ::DestroyWindow(window_);
    throw;
  }
}

TMarkwashForm::~TMarkwashForm() {
  Dispatch(&TMarkwashForm::FormPlacementDestroy);
  Dispatch(&TMarkwashForm::FormDestroy);
  ::DestroyWindow(window_);
}

void TMarkwashForm::WireEvents() {
  clickHandlers_ = {
      {"bOK", &TMarkwashForm::bOKClick},
      {"bCancel", &TMarkwashForm::bCancelClick},
      {"bRunTidy", &TMarkwashForm::bRunTidyClick},
      {"lTidyPath", &TMarkwashForm::lTidyPathClick},
      {"lAuthorEmail", &TMarkwashForm::lAuthorEmailClick},
      {"lAuthorHP", &TMarkwashForm::lAuthorHPClick},
      {"lTidySF", &TMarkwashForm::lTidySFClick},
      {"lTidyDownload", &TMarkwashForm::lTidySFClick},
      // The option set buttons of both pages share their handlers.
      {"bSaveOptions", &TMarkwashForm::bSaveOptionsClick},
      {"Button1", &TMarkwashForm::bSaveOptionsClick},
      {"bLoadOptions", &TMarkwashForm::bLoadOptionsClick},
      {"Button2", &TMarkwashForm::bLoadOptionsClick},
      {"bResetOptions", &TMarkwashForm::bResetOptionsClick},
      {"Button3", &TMarkwashForm::bResetOptionsClick},
      {"bAsDefaultOptions", &TMarkwashForm::bAsDefaultOptionsClick},
      {"Button4", &TMarkwashForm::bAsDefaultOptionsClick},
      {"cbWrap", &TMarkwashForm::cbWrapClick},
      {"cbClean", &TMarkwashForm::cbCleanClick},
      {"cbAltText", &TMarkwashForm::cbAltTextClick},
      {"cbInputXML", &TMarkwashForm::cbInputXMLClick},
      {"cbLogicalEmphasis", &TMarkwashForm::cbLogicalEmphasisClick},
      {"bPrintErrors", &TMarkwashForm::bPrintErrorsClick},
  };
}

int TMarkwashForm::ShowModal() {
  // The show event, before the window is first visible: the stored state.
  Dispatch(&TMarkwashForm::FormPlacementShow);
  if (!FormPlacement->placed()) {  // centred on the primary screen
    RECT r;
    ::GetWindowRect(window_, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    ::SetWindowPos(window_, nullptr, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  DisabledWindows disabled{window_, {}};
  ::EnumThreadWindows(::GetCurrentThreadId(), DisableThreadWindow, reinterpret_cast<LPARAM>(&disabled));
  shown_ = true;
  modalResult_ = kModalNone;
  ::ShowWindow(window_, FormPlacement->ShowCommand());
  // Showing need not resize either: the stored widths meet the shown size now.
  controls_.Arrange();
  // Showing need not resize; the default option set comes now at the latest.
  Dispatch(&TMarkwashForm::FormResize);
  ::SetForegroundWindow(window_);
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
  Dispatch(&TMarkwashForm::FormPlacementClose);
  // Enable the host before hiding, so that activation goes back to it.
  for (HWND w : disabled.windows)
    if (::IsWindow(w)) ::EnableWindow(w, TRUE);
  ::ShowWindow(window_, SW_HIDE);
  return modalResult_;
}

// The block is made before the dialog closes: when memory is short, the
// user is told and the output stays offered.
void TMarkwashForm::bOKClick() {
  handedBack_ = NewResultBlock(OutputLines.empty() ? InputLines : OutputLines);
  if (!handedBack_) {
    ShowError(Utf8ToAnsi(kNoMemoryForResultText));
    return;
  }
  EndModal(kModalOk);
}

INT_PTR CALLBACK TMarkwashForm::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    return FALSE;
  }
  auto* form = reinterpret_cast<TMarkwashForm*>(::GetWindowLongPtrW(window, DWLP_USER));
  if (!form) return FALSE;
  try {
    return form->HandleMessage(message, wParam, lParam);
  } catch (const std::exception& e) {
    form->ShowError(e.what());
  } catch (...) {
    form->ShowError("Unknown error");
  }
  return TRUE;
}

INT_PTR TMarkwashForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (!controls_.Find("Pages")) return FALSE;  // still being built
      controls_.Arrange();
      // Only once shown: the first resize must follow the restored state.
      if (shown_) Dispatch(&TMarkwashForm::FormResize);
      return TRUE;
    case kDocTypePicked:
      Dispatch(&TMarkwashForm::cbDocTypeChange);
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
      ::SetWindowLongPtrW(window_, DWLP_MSGRESULT, MAKELONG(controls_.IdOf("bRunTidy"), DC_HASDEFID));
      return TRUE;
    case WM_CLOSE:
      EndModal(kModalCancel);
      return TRUE;
    default:
      return FALSE;
  }
}

bool TMarkwashForm::Dispatch(Handler handler) {
  try {
    (this->*handler)();
    return true;
  } catch (const std::exception& e) {
    ShowError(e.what());
  } catch (...) {
    ShowError("Unknown error");
  }
  return false;
}

void TMarkwashForm::ShowError(const std::string& text) {
  ::MessageBoxW(window_, AnsiToWide(text).c_str(), Utf8ToWide(kFormCaption).c_str(), MB_OK | MB_ICONERROR);
}

void TMarkwashForm::OnCommand(int id, int code) {
  if (id == IDOK) {  // Enter where no control takes it: press the default button
    HWND run = controls_.Get("bRunTidy");
    if (::IsWindowEnabled(run)) ::SendMessageW(run, BM_CLICK, 0, 0);
    return;
  }
  const std::string_view name = controls_.NameOf(id);
  if (name.empty()) return;  // IDCANCEL from Esc: no button is bound to Esc
  // A check box set from code runs its rule in the option engine already.
  if (optionSets_ && optionSets_->Updating()) return;
  if (code == BN_CLICKED) {
    auto it = clickHandlers_.find(name);
    if (it != clickHandlers_.end()) {
      sender_ = controls_.Get(name);
      Dispatch(it->second);
      sender_ = nullptr;
    }
  }
  OnOptionCommand(name, code);
}

void TMarkwashForm::RunClickHandler(std::string_view name) {
  auto it = clickHandlers_.find(name);
  if (it == clickHandlers_.end()) return;
  HWND previous = std::exchange(sender_, controls_.Get(name));
  try {
    (this->*it->second)();
  } catch (...) {
    sender_ = previous;
    throw;
  }
  sender_ = previous;
}

void TMarkwashForm::OnNotify(const NMHDR& header) {
  if (controls_.Hints().AnswerTextRequest(header)) return;
  if (header.code == UDN_DELTAPOS) {
    const bool taken = StepNumberPair(reinterpret_cast<const NMUPDOWN&>(header));
    ::SetWindowLongPtrW(window_, DWLP_MSGRESULT, taken);  // nonzero: the up-down does not step itself
    return;
  }
  if (header.code == TCN_SELCHANGE && header.hwndFrom == controls_.Find("pcNewTags")) {
    controls_.ShowSelectedSheet("pcNewTags");
    return;
  }
  if (header.hwndFrom != controls_.Find("Pages")) return;
  if (header.code == TCN_SELCHANGING) {
    // A script that cannot be read keeps its page, so that no edit made there is lost.
    const bool mayLeave = Dispatch(&TMarkwashForm::PagesChanging);
    ::SetWindowLongPtrW(window_, DWLP_MSGRESULT, mayLeave ? FALSE : TRUE);
  } else if (header.code == TCN_SELCHANGE) {
    controls_.ShowSelectedSheet("Pages");
    Dispatch(&TMarkwashForm::PagesChange);
  }
}

void TMarkwashForm::ActivatePage(int index) {
  HWND pages = controls_.Get("Pages");
  const bool changing = ::SendMessageW(pages, TCM_GETCURSEL, 0, 0) != index;
  if (changing && !Dispatch(&TMarkwashForm::PagesChanging)) return;
  ::SendMessageW(pages, TCM_SETCURSEL, index, 0);
  controls_.ShowSelectedSheet("Pages");
  if (changing) Dispatch(&TMarkwashForm::PagesChange);
}

std::string_view TMarkwashForm::ActivePageName() const {
  static constexpr std::string_view kSheets[] = {"tsOptions", "tsError", "tsOut", "tsCfg", "TabSheet1"};
  const auto index = ::SendMessageW(controls_.Get("Pages"), TCM_GETCURSEL, 0, 0);
  return index >= 0 && index < 5 ? kSheets[index] : std::string_view{};
}

}  // namespace markwash::win32
