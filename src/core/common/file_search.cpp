#include "core/common/file_search.h"

#include "core/common/paths.h"

namespace markwash {

std::string BuildSearchList(std::string_view library_file, std::string_view current_directory,
                            std::string_view path_variable) {
  std::string list = FolderPart(library_file);
  list += ';';
  list += current_directory;
  list += ';';
  list += path_variable;
  return list;
}

std::string SearchFile(std::string_view file_name, std::string_view search_list,
                       const FileExistsFn& file_exists, const LeadByteFn& is_lead_byte) {
  const std::string bare(file_name);
  if (file_exists(bare)) return bare;

  std::string entry;
  bool ends_in_separator = false;  // last character is a single-byte "\" or ":"
  auto try_entry = [&]() -> std::string {
    if (entry.empty()) return {};
    std::string candidate = entry;
    if (!ends_in_separator) candidate += '\\';
    candidate += file_name;
    return file_exists(candidate) ? candidate : std::string();
  };

  for (std::size_t i = 0; i < search_list.size(); ++i) {
    const char c = search_list[i];
    if (is_lead_byte(static_cast<unsigned char>(c)) && i + 1 < search_list.size()) {
      entry += c;
      entry += search_list[++i];
      ends_in_separator = false;
      continue;
    }
    if (c == ';') {
      std::string hit = try_entry();
      if (!hit.empty()) return hit;
      entry.clear();
      ends_in_separator = false;
      continue;
    }
    entry += c;
    ends_in_separator = (c == '\\' || c == ':');
  }
  return try_entry();
}

}  // namespace markwash
