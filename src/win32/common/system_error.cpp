#include "win32/common/system_error.h"

#include "core/common/error.h"
#include "core/common/message_inserts.h"

namespace markwash::win32 {

std::string SystemErrorText(DWORD code, const std::string& subject) {
  if (code == 0) return "A Win32 API function failed";
  char* buffer = nullptr;
  // Inserts are filled here: the system would read arguments that were never given.
  const DWORD n = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  const std::string text = FillMessageInserts(std::string(buffer ? buffer : "", n), subject);
  if (buffer) ::LocalFree(buffer);
  return "Win32 Error.  Code: " + std::to_string(code) + ".\n" + text;
}

void RaiseLastSystemError(const std::string& subject) { throw Error(SystemErrorText(::GetLastError(), subject)); }

}  // namespace markwash::win32
