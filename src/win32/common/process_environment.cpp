#include "win32/common/process_environment.h"

#include <windows.h>

namespace markwash::win32 {

std::string CurrentDirectory() {
  // The directory may change between asking for the size and reading it.
  std::string folder(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = ::GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), folder.data());
    if (n < folder.size()) {
      folder.resize(n);
      return folder;
    }
    folder.resize(n);
  }
}

std::string PathVariable() {
  std::string value(2048, '\0');
  for (;;) {
    const DWORD n = ::GetEnvironmentVariableA("PATH", value.data(), static_cast<DWORD>(value.size()));
    if (n == 0) return {};
    if (n < value.size()) {
      value.resize(n);
      return value;
    }
    value.resize(n);  // the size with the closing NUL
  }
}

bool IsAnsiLeadByte(unsigned char byte) { return ::IsDBCSLeadByte(byte) != FALSE; }

}  // namespace markwash::win32
