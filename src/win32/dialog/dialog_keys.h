// Keys that the dialog manager would otherwise route wrongly. Esc never
// reaches a memo (a multi-line edit would ask its parent to close), and in a
// memo that does not take Enter, Enter goes to the dialog, which presses its
// default button. A label whose accelerator letter leads to no control does
// not claim the letter, so another control with it gets it.
#pragma once
#include <windows.h>

namespace markwash::win32 {

void LeaveDialogKeysToDialog(HWND memo);
void LeaveAcceleratorUnbound(HWND label);

}  // namespace markwash::win32
