#include "win32/common/system_error.h"

#include "core/common/error.h"

namespace markwash::win32 {

std::string SystemErrorText(DWORD code) {
  if (code == 0) return "A Win32 API function failed";
  char* buffer = nullptr;
  const DWORD n = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text(buffer ? buffer : "", n);
  if (buffer) ::LocalFree(buffer);
  return "Win32 Error.  Code: " + std::to_string(code) + ".\n" + text;
}

void RaiseLastSystemError() { throw Error(SystemErrorText(::GetLastError())); }

}  // namespace markwash::win32
