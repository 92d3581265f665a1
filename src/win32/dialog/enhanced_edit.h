// TEnhancedEdit: the one-line number field beside an up-down control. It is
// an edit window (multi-line underneath, for its right alignment) whose keys
// and paste keep it one line: Enter and line feed are swallowed (neither a
// line break nor the default button), Esc brings back the text it had when
// it got the focus, a paste takes the clipboard's first line only, and
// focus from the keyboard selects the whole text.
#pragma once
#include <windows.h>

namespace markwash::win32 {

// Style bits of the edit window the field needs.
inline constexpr DWORD kEnhancedEditStyle = ES_MULTILINE | ES_RIGHT | ES_AUTOHSCROLL;

void MakeEnhancedEdit(HWND edit);

}  // namespace markwash::win32
