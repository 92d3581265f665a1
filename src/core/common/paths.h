// Path rules shared by the plug-in: Windows paths as 8-bit text.
#pragma once
#include <string>
#include <string_view>

namespace markwash {

// The last of ".", "\" and ":" decides: a "." is cut with what follows and
// the extension put in its place, otherwise the extension is appended.
std::string ChangeExtension(std::string_view path, std::string_view extension);

// A folder gets a backslash appended unless it already ends in one.
std::string WithTrailingBackslash(std::string_view folder);

// Everything up to and including the last backslash or colon ("" if none).
std::string FolderPart(std::string_view path);

}  // namespace markwash
