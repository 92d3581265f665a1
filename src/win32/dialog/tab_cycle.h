// The dialog's keyboard ways between controls and pages.
//
// Tab cycle: the dialog manager steps into every window that holds controls
// (WS_EX_CONTROLPARENT) and never stops at such a window itself. The page
// controls hold their pages, so they would never get the focus, and a group
// box's "&" letter would put the focus on whatever follows the group box
// among its siblings — a control of the next group. This cycle stops at a
// page control before stepping into its visible page, and the first control
// inside a group box follows the group box itself.
//
// Page keys: Ctrl+Tab and Ctrl+PgDn step to the next page, Ctrl+Shift+Tab
// and Ctrl+PgUp to the previous one, as in a property sheet, whatever
// control has the focus.
#pragma once
#include <windows.h>

namespace markwash::win32 {

// The next (or previous) enabled, visible tab stop after `from` in the
// dialog's cycle, wrapping around; nullptr when the dialog has none.
HWND NextTabStop(HWND dialog, HWND from, bool previous);

// +1 or -1 when the message is a page key, else 0.
int PageStepOf(const MSG& msg);

}  // namespace markwash::win32
