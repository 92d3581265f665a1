// A shell item-id list with one owner. Lists that the component asks the shell
// for are freed through the shell's allocator; a list lent by a selection
// notification belongs to the shell and is only referred to.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <utility>

namespace markwash::win32 {

class ItemIdList {
 public:
  ItemIdList() = default;
  ~ItemIdList() { reset(); }
  ItemIdList(const ItemIdList&) = delete;
  ItemIdList& operator=(const ItemIdList&) = delete;
  ItemIdList(ItemIdList&& other) noexcept
      : list_(std::exchange(other.list_, nullptr)), owned_(std::exchange(other.owned_, false)) {}
  ItemIdList& operator=(ItemIdList&& other) noexcept {
    if (this != &other) {
      reset();
      list_ = std::exchange(other.list_, nullptr);
      owned_ = std::exchange(other.owned_, false);
    }
    return *this;
  }

  static ItemIdList Owned(LPITEMIDLIST list) { return ItemIdList(list, true); }
  static ItemIdList Borrowed(LPCITEMIDLIST list) { return ItemIdList(const_cast<LPITEMIDLIST>(list), false); }
  // The location of a special folder (CSIDL); empty when the shell has none.
  static ItemIdList ForSpecialFolder(HWND owner, int csidl);
  // A file-system path parsed by the desktop folder; empty when it does not parse.
  static ItemIdList ForPath(const std::string& path);

  LPCITEMIDLIST get() const { return list_; }
  bool empty() const { return list_ == nullptr; }
  // The file-system path of the item; empty for an item without one.
  std::string Path() const;
  void reset();

 private:
  ItemIdList(LPITEMIDLIST list, bool owned) : list_(list), owned_(owned) {}
  LPITEMIDLIST list_ = nullptr;
  bool owned_ = false;
};

}  // namespace markwash::win32
