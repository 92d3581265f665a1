// A text kept in a temporary file of its own rather than in the process's
// memory, and read through a read-only view of that file. The host keeps its
// document while the dialog is open; a second copy in its memory would only
// add to what a large document costs it, while the system caches the file
// and reads back only the pages that are looked at. The file is opened to be
// deleted when it is closed, so it goes with the object, also when the
// process ends abruptly.
#pragma once
#include <windows.h>

#include <memory>
#include <string_view>

#include "win32/common/unique_handle.h"

namespace markwash::win32 {

class MappedTextCopy {
 public:
  MappedTextCopy() = default;
  // A copy of `text`, or an empty object when there is no text or the
  // temporary folder cannot take it; never raises.
  static MappedTextCopy Of(std::string_view text);

  explicit operator bool() const { return view_ != nullptr; }
  std::string_view text() const { return {view_.get(), size_}; }

 private:
  struct Unmap {
    void operator()(const char* view) const { ::UnmapViewOfFile(view); }
  };

  // The view goes before the file it shows.
  UniqueKernelHandle file_;
  std::unique_ptr<const char, Unmap> view_;
  std::size_t size_ = 0;
};

}  // namespace markwash::win32
