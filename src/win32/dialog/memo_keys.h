// Keys of the memos in a dialog: Esc never reaches a memo (a multi-line edit
// would ask its parent to close), and in a memo that does not take Enter,
// Enter goes to the dialog, which presses its default button.
#pragma once
#include <windows.h>

namespace markwash::win32 {

void LeaveDialogKeysToDialog(HWND memo);

}  // namespace markwash::win32
