// The component's work on the shell's dialog window while it is open:
// subclassing it, finding its controls, the edit box, the owner-drawn status
// line and the extra button. A control the shell's dialog lacks is never
// touched: every use below tests the handle that the search found.
#include "win32/runner/browse_for_folder_dialog.h"

#include <commctrl.h>
#include <shlwapi.h>

#include "core/common/ascii_text.h"
#include "core/runner/browse_paths.h"
#include "win32/common/system_error.h"
#include "win32/common/unique_handle.h"
#include "win32/common/window_guard.h"

namespace markwash::win32 {
namespace {

constexpr int kTreeGap = 5;  // pixels between the line above the tree and the tree
constexpr UINT_PTR kSubclassId = 1;

RECT RectInDialog(HWND dialog, HWND control) {
  RECT r;
  ::GetWindowRect(control, &r);
  ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string ClassName(HWND window) {
  char name[64] = "";
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

struct FoundControls {
  HWND title = nullptr, status = nullptr, tree = nullptr, ok = nullptr, cancel = nullptr;
};

BOOL CALLBACK CollectControl(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<FoundControls*>(param);
  const std::string cls = ClassName(window);
  if (EqualsIgnoreAsciiCase(cls, "STATIC")) {
    (found->title ? found->status : found->title) = window;
  } else if (EqualsIgnoreAsciiCase(cls, "SYSTREEVIEW32")) {
    found->tree = window;
  } else if (EqualsIgnoreAsciiCase(cls, "BUTTON")) {
    (found->ok ? found->cancel : found->ok) = window;
  }
  return TRUE;
}

// Gives a control the dialog's font.
void TakeDialogFont(HWND dialog, HWND control) {
  ::SendMessageW(control, WM_SETFONT, ::SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
}

}  // namespace

void TBrowseForFolderDialog::InitDialogWindow() {
  ::SetWindowSubclass(dialog_, GuardedSubclassProc<DialogSubclassProc>, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  FindDialogControls();
  if (options_ & bfoEdit) {
    CreateEditBox();
  } else if ((options_ & bfoStatusText) && (options_ & bfoStatusTextOwnerDraw) && statusLabel_) {
    const LONG style = ::GetWindowLongW(statusLabel_, GWL_STYLE);
    ::SetWindowLongW(statusLabel_, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_OWNERDRAW);
  }
  if (customButtonType_ != TbfCustomButton::bfbNone) CreateCustomButton();
  if (editBox_ && titleLabel_)
    ::SetWindowPos(editBox_, titleLabel_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (customButton_ && cancelButton_)
    ::SetWindowPos(customButton_, cancelButton_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  HWND first = editBox_ ? editBox_ : treeView_;
  if (first) ::PostMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
}

void TBrowseForFolderDialog::FindDialogControls() {
  FoundControls found;
  ::EnumChildWindows(dialog_, CollectControl, reinterpret_cast<LPARAM>(&found));
  titleLabel_ = found.title;
  statusLabel_ = found.status;
  treeView_ = found.tree;
  okButton_ = found.ok;
  cancelButton_ = found.cancel;
}

void TBrowseForFolderDialog::CreateEditBox() {
  // Without a status line to replace there is no place for the box.
  if (!statusLabel_) return;
  const RECT r = RectInDialog(dialog_, statusLabel_);
  ::ShowWindow(statusLabel_, SW_HIDE);
  editBox_ = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", editText_.c_str(),
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, r.left, r.top,
                               r.right - r.left, r.bottom - r.top, dialog_, nullptr,
                               reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(dialog_, GWLP_HINSTANCE)), nullptr);
  if (!editBox_) RaiseLastSystemError();
  TakeDialogFont(dialog_, editBox_);
}

void TBrowseForFolderDialog::CreateCustomButton() {
  // The button sits below the tree, left of OK and as tall as OK: without
  // those controls there is nothing to measure it by.
  if (!okButton_ || !titleLabel_) return;
  DWORD style = WS_CHILD | WS_TABSTOP;
  switch (customButtonType_) {
    case TbfCustomButton::bfbButton: style |= BS_PUSHBUTTON; break;
    case TbfCustomButton::bfbCheckBox: style |= BS_AUTOCHECKBOX; break;
    default:
      throw EBrowseForFolderDialog(
          "Custom button type not supported.\r\n(You should never see this message. If you are the end user, "
          "please inform the software's author. If you are the developer, please inform the author of "
          "TBrowseForFolderDialog.)");
  }
  if (!customButtonEnabled_) style |= WS_DISABLED;
  if (customButtonVisible_) style |= WS_VISIBLE;
  const RECT ok = RectInDialog(dialog_, okButton_);
  const RECT title = RectInDialog(dialog_, titleLabel_);
  customButtonMinWidth_ = ok.right - ok.left;
  const int gap = cancelButton_ ? RectInDialog(dialog_, cancelButton_).left - ok.right : 0;
  customButtonMaxWidth_ = ok.left - title.left - gap;
  customButton_ = ::CreateWindowExA(0, "BUTTON", customButtonCaption_.c_str(), style, title.left, ok.top,
                                    ok.right - ok.left, ok.bottom - ok.top, dialog_, nullptr,
                                    reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(dialog_, GWLP_HINSTANCE)),
                                    nullptr);
  if (!customButton_) RaiseLastSystemError();
  TakeDialogFont(dialog_, customButton_);
  ::SendMessageA(customButton_, BM_SETCHECK, customButtonChecked_ ? BST_CHECKED : BST_UNCHECKED, 0);
  SizeCustomButton();
  ::SetWindowPos(customButton_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TBrowseForFolderDialog::SizeCustomButton() {
  HDC dc = ::GetDC(customButton_);
  if (!dc) return;
  SIZE text{}, margin{};
  {
    ScopedSelect font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(customButton_, WM_GETFONT, 0, 0)));
    ::GetTextExtentPoint32A(dc, customButtonCaption_.c_str(), static_cast<int>(customButtonCaption_.size()), &text);
    // A caption as wide as the button would touch its 3-D edges; one
    // character's room on either side keeps it readable.
    ::GetTextExtentPoint32A(dc, "00", 2, &margin);
  }
  ::ReleaseDC(customButton_, dc);
  RECT window, client;
  ::GetWindowRect(customButton_, &window);
  ::GetClientRect(customButton_, &client);
  const int frame = (window.right - window.left) - (client.right - client.left) + margin.cx;
  const int width = CustomButtonWidth(text.cx, frame, customButtonMinWidth_, customButtonMaxWidth_);
  ::SetWindowPos(customButton_, nullptr, 0, 0, width, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TBrowseForFolderDialog::ArrangeControls() {
  if (!treeView_) return;
  const RECT tree = RectInDialog(dialog_, treeView_);
  auto alignWithTree = [&](HWND control) {
    const RECT r = RectInDialog(dialog_, control);
    ::SetWindowPos(control, nullptr, tree.left, r.top, tree.right - tree.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  };
  HWND above = titleLabel_;
  if (titleLabel_) alignWithTree(titleLabel_);
  if ((options_ & bfoStatusText) && statusLabel_) {
    alignWithTree(statusLabel_);
    above = statusLabel_;
  }
  if (editBox_) {
    alignWithTree(editBox_);
    above = editBox_;
  }
  if (!above) return;
  const int top = RectInDialog(dialog_, above).bottom + kTreeGap;
  ::SetWindowPos(treeView_, nullptr, tree.left, top, tree.right - tree.left, tree.bottom - top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string TBrowseForFolderDialog::FitToStatusLabel(const std::string& text) const {
  if (!statusLabel_) return text;
  RECT r;
  ::GetClientRect(statusLabel_, &r);
  HDC dc = ::GetDC(statusLabel_);
  if (!dc) return text;
  char buffer[MAX_PATH];
  lstrcpynA(buffer, text.c_str(), MAX_PATH);
  {
    ScopedSelect font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(statusLabel_, WM_GETFONT, 0, 0)));
    ::PathCompactPathA(dc, buffer, static_cast<UINT>(r.right - r.left));
  }
  ::ReleaseDC(statusLabel_, dc);
  return buffer;
}

void TBrowseForFolderDialog::DrawStatusText(const DRAWITEMSTRUCT& item) {
  ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
  RECT r = item.rcItem;
  ScopedSelect font(item.hDC, reinterpret_cast<HGDIOBJ>(::SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  const int oldMode = ::SetBkMode(item.hDC, TRANSPARENT);
  ::SetTextColor(item.hDC, ::GetSysColor(COLOR_BTNTEXT));
  // DT_PATH_ELLIPSIS may shorten the text in place, so draw from a copy.
  std::string text = statusText_;
  text.append(4, '\0');
  ::DrawTextA(item.hDC, text.data(), static_cast<int>(statusText_.size()), &r,
              DT_PATH_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
  ::SetBkMode(item.hDC, oldMode);
}

LRESULT TBrowseForFolderDialog::DialogSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                   DWORD_PTR self) {
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(window, GuardedSubclassProc<DialogSubclassProc>, kSubclassId);
  return reinterpret_cast<TBrowseForFolderDialog*>(self)->HandleDialogMessage(window, message, wParam, lParam);
}

LRESULT TBrowseForFolderDialog::HandleDialogMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM && statusLabel_) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item->hwndItem == statusLabel_) {
      Guarded([&] {
        if (OnDrawStatusText) {
          OnDrawStatusText(*item);
        } else {
          DrawStatusText(*item);
        }
      });
    }
  } else if (message == WM_COMMAND && lParam != 0) {
    HWND from = reinterpret_cast<HWND>(lParam);
    if (from == editBox_ && HIWORD(wParam) == EN_CHANGE) {
      Guarded([&] {
        EditText();
        DoEditChange();
      });
    } else if (from == customButton_ && HIWORD(wParam) == BN_CLICKED) {
      Guarded([&] { DoCustomButtonClick(); });
    }
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace markwash::win32
