#include "win32/runner/document_file.h"

#include <windows.h>

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
