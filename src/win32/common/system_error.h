// Errors of failing system calls, with the system's own text for the code.
#pragma once
#include <windows.h>

#include <string>

namespace markwash::win32 {

// "Win32 Error.  Code: %d.\n%s", or "A Win32 API function failed" when the
// system gives no error code. The system's text names what failed through
// "%1": `subject` (a file name) fills it; without one it is left out.
std::string SystemErrorText(DWORD code, const std::string& subject = {});
[[noreturn]] void RaiseLastSystemError(const std::string& subject = {});

}  // namespace markwash::win32
