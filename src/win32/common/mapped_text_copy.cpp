#include "win32/common/mapped_text_copy.h"

#include <algorithm>

namespace markwash::win32 {
namespace {

constexpr char kFilePrefix[] = "Doc";
constexpr std::size_t kWriteChunk = 1 << 20;

UniqueKernelHandle CreateDeletedOnClose() {
  char folder[MAX_PATH], name[MAX_PATH];
  const DWORD length = ::GetTempPathA(MAX_PATH, folder);
  if (length == 0 || length >= MAX_PATH || ::GetTempFileNameA(folder, kFilePrefix, 0, name) == 0) return {};
  UniqueKernelHandle file(::CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                        nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  if (!file) ::DeleteFileA(name);
  return file;
}

bool WriteAll(HANDLE file, std::string_view text) {
  for (std::size_t done = 0; done < text.size();) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min(text.size() - done, kWriteChunk));
    if (!::WriteFile(file, text.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

}  // namespace

MappedTextCopy MappedTextCopy::Of(std::string_view text) {
  MappedTextCopy copy;
  if (text.empty()) return copy;
  copy.file_ = CreateDeletedOnClose();
  if (!copy.file_ || !WriteAll(copy.file_.get(), text)) return {};
  // The view keeps the mapping alive; its handle is not needed beyond this.
  const UniqueKernelHandle mapping(::CreateFileMappingA(copy.file_.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
  if (!mapping) return {};
  copy.view_.reset(static_cast<const char*>(::MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0)));
  if (!copy.view_) return {};
  copy.size_ = text.size();
  return copy;
}

}  // namespace markwash::win32
