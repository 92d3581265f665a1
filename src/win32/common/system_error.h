// Errors of failing system calls, with the system's own text for the code.
#pragma once
#include <windows.h>

#include <string>

namespace markwash::win32 {

// "Win32 Error.  Code: %d.\n%s", or "A Win32 API function failed" when the
// system gives no error code.
std::string SystemErrorText(DWORD code);
[[noreturn]] void RaiseLastSystemError();

}  // namespace markwash::win32
