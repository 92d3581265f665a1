#include "win32/runner/search_inputs.h"

#include <windows.h>

#include "core/runner/search_list.h"
#include "win32/plugin/module.h"

namespace markwash::win32 {
namespace {

std::string CurrentDirectory() {
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

// The whole value, however long: the search never reads beyond it.
std::string PathVariable() {
  std::string value(2048, '\0');
  for (;;) {
    const DWORD n = ::GetEnvironmentVariableA("PATH", value.data(), static_cast<DWORD>(value.size()));
    if (n == 0) return {};
    if (n < value.size()) {
      value.resize(n);
      return value;
    }
    value.resize(n);
  }
}

}  // namespace

bool IsAnsiLeadByte(unsigned char byte) { return ::IsDBCSLeadByte(byte) != FALSE; }

std::string FullPathName(const std::string& name) {
  char buffer[MAX_PATH];
  const DWORD n = ::GetFullPathNameA(name.c_str(), MAX_PATH, buffer, nullptr);
  return n > 0 && n < MAX_PATH ? std::string(buffer, n) : name;
}

std::string TidySearchList() {
  return BuildSearchList(LibraryFileName(), CurrentDirectory(), PathVariable(), IsAnsiLeadByte);
}

}  // namespace markwash::win32
