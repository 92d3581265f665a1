#include "win32/options/dialog_option_view.h"

#include <commctrl.h>

#include <algorithm>

#include "core/common/error.h"
#include "core/dialog/option_faces.h"
#include "win32/common/file_system.h"
#include "win32/common/text_encoding.h"
#include "win32/common/window_text.h"
#include "win32/dialog/link_label.h"

namespace markwash::win32 {
namespace {

// The largest text an edit control takes; the script may be any size.
constexpr WPARAM kUnlimitedText = 0x7FFFFFFE;

}  // namespace

HWND DialogOptionView::Window(OptionControl control) const { return site_.Control(ControlOf(control)); }

bool DialogOptionView::Checked(OptionControl box) {
  return ::SendMessageW(Window(box), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void DialogOptionView::SetCheckedRaw(OptionControl box, bool checked) {
  MutedNotifications muted(site_);
  ::SendMessageW(Window(box), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool DialogOptionView::Enabled(OptionControl control) { return ::IsWindowEnabled(Window(control)) != FALSE; }

void DialogOptionView::SetEnabled(OptionControl control, bool enabled) {
  MutedNotifications muted(site_);
  ::EnableWindow(Window(control), enabled ? TRUE : FALSE);
}

int DialogOptionView::ItemIndex(OptionControl list) {
  const LRESULT item = ::SendMessageW(Window(list), CB_GETCURSEL, 0, 0);
  return item == CB_ERR ? -1 : static_cast<int>(item);
}

void DialogOptionView::SetItemIndex(OptionControl list, int item) {
  MutedNotifications muted(site_);
  ::SendMessageW(Window(list), CB_SETCURSEL, static_cast<WPARAM>(item), 0);
}

std::string DialogOptionView::Text(OptionControl control) { return WideToAnsi(WindowText(Window(control))); }

void DialogOptionView::SetText(OptionControl control, std::string_view text) {
  MutedNotifications muted(site_);
  HWND window = Window(control);
  if (Entry(control).kind == ControlKind::EditableCombo) {
    // A combo keeps its selected item when only its text is set.
    ::SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  }
  ::SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(AnsiToWide(text).c_str()));
}

// The up-down reads its partner field itself: a whole number in range becomes
// the position, anything else leaves the last valid one.
int DialogOptionView::Position(OptionControl updown) {
  return static_cast<int>(::SendMessageW(Window(updown), UDM_GETPOS32, 0, 0));
}

void DialogOptionView::SetPosition(OptionControl updown, int position) {
  MutedNotifications muted(site_);
  const OptionEntry& entry = Entry(updown);
  ::SendMessageW(Window(updown), UDM_SETPOS32, 0, std::clamp(position, entry.min, entry.max));
}

std::string DialogOptionView::TidyPath() { return Text(OptionControl::lTidyPath); }

// The not-found text is bold; under the mouse pointer the label shows its
// font underlined, so the hover font follows the weight. A path is kept in
// full: a bare name found in the current directory would be looked up
// elsewhere first when Tidy is started.
void DialogOptionView::SetTidyPath(std::string_view path, bool bold) {
  const std::string text = bold ? std::string(path) : FullPathName(std::string(path));
  MutedNotifications muted(site_);
  HWND window = Window(OptionControl::lTidyPath);
  const HFONT font = site_.LabelFont(bold);
  ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (TLinkLabel* label = TLinkLabel::Of(window)) label->SetHoverFont(font, true);
  ::SetWindowTextW(window, AnsiToWide(text).c_str());
}

TextLines DialogOptionView::ScriptLines() {
  return SplitLines(WideToAnsi(WindowText(Window(OptionControl::mCfg))));
}

void DialogOptionView::SetScriptLines(const TextLines& lines) {
  MutedNotifications muted(site_);
  HWND memo = Window(OptionControl::mCfg);
  ::SendMessageW(memo, EM_SETLIMITTEXT, kUnlimitedText, 0);
  const std::wstring text = AnsiToWide(JoinLines(lines));
  if (!::SendMessageW(memo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()))) {
    throw Error("Text exceeds memo capacity");
  }
}

}  // namespace markwash::win32
