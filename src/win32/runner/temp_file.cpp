#include "win32/runner/temp_file.h"

#include <windows.h>

#include "win32/common/system_error.h"

namespace markwash::win32 {

std::string CreateTempFile(const std::string& prefix) {
  char folder[MAX_PATH];
  const DWORD length = ::GetTempPathA(MAX_PATH, folder);
  if (length == 0 || length >= MAX_PATH) RaiseLastSystemError();
  char name[MAX_PATH];
  if (::GetTempFileNameA(folder, prefix.c_str(), 0, name) == 0) RaiseLastSystemError();
  return name;
}

TempFile::~TempFile() {
  if (::GetFileAttributesA(name_.c_str()) != INVALID_FILE_ATTRIBUTES) ::DeleteFileA(name_.c_str());
}

}  // namespace markwash::win32
