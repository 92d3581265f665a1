#include "win32/runner/search_inputs.h"

#include <windows.h>

#include "core/runner/search_list.h"
#include "win32/common/process_environment.h"
#include "win32/common/module.h"

namespace markwash::win32 {

std::string FullPathName(const std::string& name) {
  char buffer[MAX_PATH];
  const DWORD n = ::GetFullPathNameA(name.c_str(), MAX_PATH, buffer, nullptr);
  return n > 0 && n < MAX_PATH ? std::string(buffer, n) : name;
}

std::string TidySearchList() {
  return BuildSearchList(LibraryFileName(), CurrentDirectory(), PathVariable(), IsAnsiLeadByte);
}

}  // namespace markwash::win32
