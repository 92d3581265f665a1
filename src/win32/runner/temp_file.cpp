#include "win32/runner/temp_file.h"

#include <windows.h>

#include <algorithm>

#include "win32/common/system_error.h"

namespace markwash::win32 {
namespace {

// One call at a time uses the plug-in, so one list serves the library.
std::vector<std::string> g_leftovers;
size_t g_namedLeftovers = 0;

// True when the file is gone afterwards.
bool DeleteIfExists(const std::string& name) {
  const DWORD attributes = ::GetFileAttributesA(name.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  if (::DeleteFileA(name.c_str())) return true;
  if (attributes & FILE_ATTRIBUTE_READONLY) {
    ::SetFileAttributesA(name.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (::DeleteFileA(name.c_str())) return true;
  }
  return ::GetFileAttributesA(name.c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace

std::string CreateTempFile(const std::string& prefix) {
  char folder[MAX_PATH];
  const DWORD length = ::GetTempPathA(MAX_PATH, folder);
  if (length == 0 || length >= MAX_PATH) RaiseLastSystemError();
  char name[MAX_PATH];
  if (::GetTempFileNameA(folder, prefix.c_str(), 0, name) == 0) RaiseLastSystemError(folder);
  return name;
}

TempFile::~TempFile() {
  if (!DeleteIfExists(name_)) g_leftovers.push_back(name_);
}

std::vector<std::string> TakeNewTempLeftovers() {
  std::vector<std::string> fresh(g_leftovers.begin() + static_cast<std::ptrdiff_t>(g_namedLeftovers),
                                 g_leftovers.end());
  g_namedLeftovers = g_leftovers.size();
  return fresh;
}

void RetryTempLeftovers() {
  g_leftovers.erase(std::remove_if(g_leftovers.begin(), g_leftovers.end(), DeleteIfExists), g_leftovers.end());
  g_namedLeftovers = g_leftovers.size();
}

}  // namespace markwash::win32
