// Where Tidy is looked for: the search list (library folder, current
// directory, PATH) and the file search over such a list. Paths are 8-bit
// ANSI text, so separators are only recognised outside double-byte characters.
#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace markwash {

using FileExistsTest = std::function<bool(const std::string& name)>;
using LeadBytePredicate = std::function<bool(unsigned char byte)>;

// The library's file name with everything after its last backslash or colon
// removed, so the folder keeps its trailing backslash.
std::string LibraryFolder(std::string_view library_file, const LeadBytePredicate& is_lead_byte);

// Library folder, current directory and the whole PATH value, joined by ";".
std::string BuildSearchList(std::string_view library_file, std::string_view current_directory,
                            std::string_view path_value, const LeadBytePredicate& is_lead_byte);

// The bare file name first, then every non-empty ";" entry of the list with a
// backslash put between entry and name unless the entry ends in "\" or ":".
// Returns the first name that exists, as built; empty when none does.
std::string SearchFile(std::string_view file_name, std::string_view search_list,
                       const FileExistsTest& exists, const LeadBytePredicate& is_lead_byte);

// The folder to select for a hit: up to, not including, the last backslash,
// but a root keeps its backslash (C:\Tidy.exe gives C:\); with only a colon
// the folder ends at it; without either the folder is empty.
std::string FolderOfHit(std::string_view hit, const LeadBytePredicate& is_lead_byte);

}  // namespace markwash
