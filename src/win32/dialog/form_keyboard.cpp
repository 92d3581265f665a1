// The dialog under the keyboard alone: Tab and the "&" letters of group
// captions follow the dialog's own cycle, and the page keys switch pages
// through the same handlers as a click on a tab.
#include "win32/dialog/markwash_form.h"

#include <commctrl.h>

#include "win32/dialog/tab_cycle.h"

namespace markwash::win32 {

bool TMarkwashForm::NextControlRequested(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(lParam)) return false;  // a named control: the dialog manager focuses it
  const bool previous = wParam != 0;
  if (HWND next = NextTabStop(window_, ::GetFocus(), previous))
    ::SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
  return true;
}

bool TMarkwashForm::PageKeyDown(const MSG& msg) {
  const int step = PageStepOf(msg);
  if (step == 0) return false;
  Dispatch([&] {
    HWND pages = controls_.Get(ControlId::Pages);
    const auto count = static_cast<int>(::SendMessageW(pages, TCM_GETITEMCOUNT, 0, 0));
    const auto current = static_cast<int>(::SendMessageW(pages, TCM_GETCURSEL, 0, 0));
    if (count <= 0) return;
    const ControlSpec* sheet = SheetAt(LayoutRow(ControlId::Pages).name, ((current + step) % count + count) % count);
    if (!sheet) return;
    HWND focus = ::GetFocus();
    ActivatePage(sheet->id);
    // The focus never stays behind on a page that went out of sight: it goes
    // to the new page's first control, or to the tabs when the page has none.
    if (focus && !::IsWindowVisible(focus)) {
      HWND first = NextTabStop(window_, pages, false);
      ::SendMessageW(window_, WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(first && ::IsChild(pages, first) ? first : pages), TRUE);
    }
  });
  return true;
}

}  // namespace markwash::win32
