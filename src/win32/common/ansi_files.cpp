#include "win32/common/ansi_files.h"

#include <windows.h>

#include <algorithm>

#include "core/common/error.h"
#include "win32/common/system_error.h"
#include "win32/common/unique_handle.h"

namespace markwash::win32 {

std::string ReadWholeFile(const std::string& name) {
  const UniqueKernelHandle file(::CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw Error(FormatMessageText("Cannot open file %s", name));
  std::string bytes;
  // Sized once up front: a large document is not copied while it grows.
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file.get(), &size)) bytes.reserve(static_cast<size_t>(size.QuadPart));
  char buffer[65536];
  DWORD got = 0;
  do {
    if (!::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) RaiseLastSystemError();
    bytes.append(buffer, got);
  } while (got > 0);
  return bytes;
}

void WriteWholeFile(const std::string& name, const std::string& bytes) {
  const UniqueKernelHandle file(
      ::CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw Error(FormatMessageText("Cannot create file %s", name));
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr)) RaiseLastSystemError();
    done += written;
  }
}

}  // namespace markwash::win32
