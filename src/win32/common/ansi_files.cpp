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

constexpr std::size_t kSmallBlock = 64 << 10;

UniqueKernelHandle OpenForReading(const std::string& name) {
  UniqueKernelHandle file(::CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw Error(FormatMessageText("Cannot open file %s", name));
  return file;
}

// Reads until `target` is full or the file ends; how much it read. On a
// failure `undo` runs before the error is raised.
template <typename Undo>
std::size_t ReadUpTo(HANDLE file, char* target, std::size_t room, Undo undo) {
  std::size_t got = 0;
  for (DWORD part = 0; got < room; got += part) {
    if (!::ReadFile(file, target + got, static_cast<DWORD>(room - got), &part, nullptr)) {
      undo();
      RaiseLastSystemError();
    }
    if (part == 0) break;
  }
  return got;
}

}  // namespace

std::string ReadWholeFile(const std::string& name) {
  const UniqueKernelHandle file = OpenForReading(name);
  std::string bytes;
  // Sized once up front: a large document is not copied while it grows.
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file.get(), &size)) bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  std::vector<char> buffer(kSmallBlock);
  for (std::size_t got; (got = ReadUpTo(file.get(), buffer.data(), buffer.size(), [] {})) > 0;)
    bytes.append(buffer.data(), got);
  return bytes;
}

bool ReadFileLines(const std::string& name, LineBlock& lines) {
  const UniqueKernelHandle file = OpenForReading(name);
  // Read straight into the block, sized once for the whole file: a large
  // file costs its bytes and nothing beside them.
  LARGE_INTEGER size{};
  const std::size_t expected = ::GetFileSizeEx(file.get(), &size) ? static_cast<std::size_t>(size.QuadPart) : 0;
  if (expected > 0) {
    lines.reserve(lines.Joined().size() + expected + 2);
    const std::size_t got = ReadUpTo(file.get(), lines.Room(expected), expected, [&] { lines.AddWritten(0); });
    if (!lines.AddWritten(got) || got < expected) return lines.Finish();
  }
  // What a file holds beyond its measured size (it grew meanwhile) comes in
  // small pieces: the common case only learns here that the file has ended.
  std::vector<char> buffer(kSmallBlock);
  for (std::size_t got; (got = ReadUpTo(file.get(), buffer.data(), buffer.size(), [] {})) > 0;) {
    if (!lines.Add(std::string_view(buffer.data(), got))) break;
  }
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
