#include "win32/runner/document_file.h"

#include <windows.h>

#include <string_view>

#include "core/common/error.h"
#include "win32/common/unique_handle.h"

namespace markwash::win32 {
namespace {

constexpr size_t kWriteChunk = 1 << 20;

void WriteOrRaise(HANDLE file, std::string_view bytes, const std::string& name) {
  DWORD written = 0;
  if (!::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size())
    throw Error(FormatMessageText("Cannot create file %s", name));
}

}  // namespace

void WriteLinesToFile(const std::string& name, const LineBlock& lines) {
  UniqueKernelHandle file(::CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw Error(FormatMessageText("Cannot create file %s", name));
  const std::string_view text = lines.Joined();
  for (size_t done = 0; done < text.size(); done += kWriteChunk)
    WriteOrRaise(file.get(), text.substr(done, kWriteChunk), name);
}

}  // namespace markwash::win32
