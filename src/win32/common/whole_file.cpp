#include "win32/common/whole_file.h"

#include <windows.h>

#include <algorithm>

#include "core/common/error.h"
#include "win32/common/unique_handle.h"

namespace markwash::win32 {
namespace {

constexpr size_t kWriteChunk = 1 << 16;

void WriteOrRaise(HANDLE file, const std::string& bytes, const std::string& name) {
  DWORD written = 0;
  if (!::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size())
    throw Error(FormatMessageText("Cannot create file %s", name));
}

}  // namespace

std::string ReadWholeFile(const std::string& name) {
  UniqueKernelHandle file(::CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw Error(FormatMessageText("Cannot open file %s", name));
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size)) throw Error(FormatMessageText("Cannot open file %s", name));
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
    if (!::ReadFile(file.get(), bytes.data() + done, want, &got, nullptr))
      throw Error(FormatMessageText("Cannot open file %s", name));
    if (got == 0) break;  // the file became shorter meanwhile
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

void WriteLinesToFile(const std::string& name, const TextLines& lines) {
  UniqueKernelHandle file(::CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw Error(FormatMessageText("Cannot create file %s", name));
  // Written in chunks, so a large document is never held twice.
  std::string chunk;
  chunk.reserve(kWriteChunk);
  for (const std::string& line : lines) {
    chunk += line;
    chunk += "\r\n";
    if (chunk.size() >= kWriteChunk) {
      WriteOrRaise(file.get(), chunk, name);
      chunk.clear();
    }
  }
  if (!chunk.empty()) WriteOrRaise(file.get(), chunk, name);
}

}  // namespace markwash::win32
