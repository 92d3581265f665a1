#include "win32/common/ansi_files.h"

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/common/error.h"
#include "win32/common/system_error.h"
#include "win32/common/unique_handle.h"

namespace markwash::win32 {

namespace {

UniqueKernelHandle OpenForReading(const std::string& name) {
  UniqueKernelHandle file(::CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw Error(FormatMessageText("Cannot open file %s", name));
  return file;
}

// Hands the file to `take` in large blocks until the end or until `take`
// returns false.
template <typename Take>
void ReadInBlocks(HANDLE file, Take take) {
  std::vector<char> buffer(1 << 20);
  DWORD got = 0;
  do {
    if (!::ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr)) RaiseLastSystemError();
  } while (got > 0 && take(std::string_view(buffer.data(), got)));
}

}  // namespace

std::string ReadWholeFile(const std::string& name) {
  const UniqueKernelHandle file = OpenForReading(name);
  std::string bytes;
  // Sized once up front: a large document is not copied while it grows.
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file.get(), &size)) bytes.reserve(static_cast<size_t>(size.QuadPart));
  ReadInBlocks(file.get(), [&bytes](std::string_view block) {
    bytes.append(block);
    return true;
  });
  return bytes;
}

bool ReadFileLines(const std::string& name, LineBlock& lines) {
  const UniqueKernelHandle file = OpenForReading(name);
  // Room for a CR LF in place of each lone line end of short lines.
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file.get(), &size))
    lines.reserve(lines.Joined().size() + static_cast<size_t>(size.QuadPart + size.QuadPart / 16 + 2));
  ReadInBlocks(file.get(), [&lines](std::string_view block) { return lines.Add(block); });
  return lines.Finish();
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
