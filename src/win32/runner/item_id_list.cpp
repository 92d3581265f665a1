#include "win32/runner/item_id_list.h"

#include "win32/common/text_encoding.h"

namespace markwash::win32 {

ItemIdList ItemIdList::ForSpecialFolder(HWND owner, int csidl) {
  LPITEMIDLIST list = nullptr;
  if (FAILED(::SHGetSpecialFolderLocation(owner, csidl, &list))) return {};
  return Owned(list);
}

ItemIdList ItemIdList::ForPath(const std::string& path) {
  IShellFolder* desktop = nullptr;
  if (FAILED(::SHGetDesktopFolder(&desktop)) || !desktop) return {};
  // The shell parses at most MAX_PATH characters of a path.
  std::wstring wide = AnsiToWide(path);
  if (wide.size() >= MAX_PATH) wide.resize(MAX_PATH - 1);
  LPITEMIDLIST list = nullptr;
  ULONG eaten = 0;
  const HRESULT parsed = desktop->ParseDisplayName(nullptr, nullptr, wide.data(), &eaten, &list, nullptr);
  desktop->Release();
  if (FAILED(parsed)) return {};
  return Owned(list);
}

std::string ItemIdList::Path() const {
  char buffer[MAX_PATH] = "";
  if (!list_ || !::SHGetPathFromIDListA(list_, buffer)) return {};
  return buffer;
}

void ItemIdList::reset() {
  if (list_ && owned_) {
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(::SHGetMalloc(&allocator)) && allocator) {
      allocator->Free(list_);
      allocator->Release();
    }
  }
  list_ = nullptr;
  owned_ = false;
}

}  // namespace markwash::win32
