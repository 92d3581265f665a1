// Finding a program along a ";"-separated list of folders, the way the
// plug-in looks for Tidy.exe: the library folder, the current directory and
// every folder of PATH. Names are 8-bit ANSI text; in a double-byte code page
// the second byte of a character is never taken for ";", "\" or ":".
#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace markwash {

using FileExistsFn = std::function<bool(const std::string& name)>;
using LeadByteFn = std::function<bool(unsigned char byte)>;

// The library's folder (with its backslash), the current directory and the
// whole PATH value, joined by ";".
std::string BuildSearchList(std::string_view library_file, std::string_view current_directory,
                            std::string_view path_variable);

// Tries the bare name first, then each non-empty entry of the list with a
// backslash added unless it ends in "\" or ":". Gives the first existing name
// as it was built, or "" when none exists.
std::string SearchFile(std::string_view file_name, std::string_view search_list,
                       const FileExistsFn& file_exists, const LeadByteFn& is_lead_byte);

}  // namespace markwash
