#include "core/runner/tidy_location.h"

#include "core/common/paths.h"

namespace markwash {

std::string TidyFileInFolder(std::string_view folder, const FileExistsTest& exists) {
  const std::string base = WithTrailingBackslash(folder);
  const std::string win32_name = base + kTidyWin32FileName;
  return exists(win32_name) ? win32_name : base + kTidyExeFileName;
}

std::string SelectionStatusText(std::string_view folder, const FileExistsTest& exists) {
  const std::string base = WithTrailingBackslash(folder);
  const bool found = exists(base + kTidyWin32SearchName) || exists(base + kTidyExeFileName);
  return (found ? "Gefunden in " : "Nicht gefunden in ") + std::string(folder);
}

std::string AutoSearchTidy(const std::function<std::string()>& build_search_list,
                           std::string_view label_text, const FileExistsTest& exists,
                           const LeadBytePredicate& is_lead_byte) {
  std::string hit = SearchFile(kTidyWin32SearchName, build_search_list(), exists, is_lead_byte);
  if (hit.empty() && exists(std::string(label_text))) hit = label_text;
  if (hit.empty()) hit = SearchFile(kTidyExeFileName, build_search_list(), exists, is_lead_byte);
  return hit;
}

}  // namespace markwash
