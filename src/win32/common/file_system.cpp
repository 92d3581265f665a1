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

}  // namespace markwash::win32
