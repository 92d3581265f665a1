#include "win32/options/option_file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "core/common/error.h"
#include "core/dialog/dialog_texts.h"
#include "core/options/option_engine.h"
#include "win32/common/text_encoding.h"

namespace markwash::win32 {
namespace {

// "Text|pattern|..." becomes the dialog's list of NUL-separated pairs.
std::wstring FilterList(std::string_view filter) {
  std::wstring list = Utf8ToWide(filter);
  for (wchar_t& c : list)
    if (c == L'|') c = L'\0';
  list.push_back(L'\0');
  list.push_back(L'\0');
  return list;
}

// The chosen name in the ANSI code page, refusing one that would come out
// with replacement characters ("?" would even act as a wildcard).
std::string ToAnsiName(const std::wstring& name, const char* error_pattern) {
  BOOL lossy = FALSE;
  const int n = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(), -1, nullptr, 0, nullptr, &lossy);
  if (n <= 0 || lossy) throw Error(FormatMessageText(error_pattern, WideToAnsi(name)));
  return WideToAnsi(name);
}

}  // namespace

std::optional<std::string> OptionFileDialog::Execute(HWND owner) {
  std::vector<wchar_t> file(32768, L'\0');
  lastName_.copy(file.data(), std::min(lastName_.size(), file.size() - 1));
  const std::wstring filter = FilterList(kOptionFilesFilter);
  const std::wstring title = Utf8ToWide(title_);
  const std::wstring extension = Utf8ToWide(kOptionFilesExtension.substr(1));  // without the dot

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrTitle = title.c_str();
  ofn.lpstrDefExt = extension.c_str();
  // The current directory belongs to the host, and the search for Tidy.exe
  // reads it: browsing must not move it.
  ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (kind_ == Kind::kOpen) {
    ofn.Flags |= OFN_FILEMUSTEXIST;
  } else {
    ofn.Flags |= OFN_OVERWRITEPROMPT | OFN_NOREADONLYRETURN;
  }
  const BOOL chosen = kind_ == Kind::kOpen ? ::GetOpenFileNameW(&ofn) : ::GetSaveFileNameW(&ofn);
  if (!chosen) {
    // Cancelled, or the dialog could not be shown at all.
    if (const DWORD code = ::CommDlgExtendedError()) throw Error("The file dialog failed with the code " + std::to_string(code));
    return std::nullopt;
  }
  lastName_ = file.data();
  return ToAnsiName(lastName_, kind_ == Kind::kOpen ? "Cannot open file %s" : "Cannot create file %s");
}

}  // namespace markwash::win32
