#include "win32/common/file_system.h"

#include <windows.h>

#include "win32/common/unique_handle.h"

namespace markwash::win32 {

bool FileExists(const std::string& name) {
  // Wildcards would match some other entry.
  if (name.empty() || name.find_first_of("*?") != std::string::npos) return false;
  WIN32_FIND_DATAA data;
  UniqueFindHandle find(::FindFirstFileA(name.c_str(), &data));
  return static_cast<bool>(find) && !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FullPathName(const std::string& name) {
  if (name.empty()) return name;
  // Asked for the size first: a full path may be longer than MAX_PATH.
  const DWORD needed = ::GetFullPathNameA(name.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return name;
  std::string buffer(needed, '\0');
  const DWORD n = ::GetFullPathNameA(name.c_str(), needed, buffer.data(), nullptr);
  return n > 0 && n < needed ? buffer.substr(0, n) : name;
}

}  // namespace markwash::win32
