// The common open or save dialog for option set files. One object lives as
// long as the form, so each dialog offers the name last chosen in it.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace markwash::win32 {

class OptionFileDialog {
 public:
  enum class Kind { kOpen, kSave };
  OptionFileDialog(Kind kind, std::string_view title) : kind_(kind), title_(title) {}

  // The chosen name as ANSI bytes, nothing when the user cancels. A name that
  // the ANSI code page cannot spell raises an error rather than naming
  // another file.
  std::optional<std::string> Execute(HWND owner);

 private:
  Kind kind_;
  std::string_view title_;  // UTF-8
  std::wstring lastName_;
};

}  // namespace markwash::win32
