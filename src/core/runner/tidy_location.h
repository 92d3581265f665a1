// Where the folder browser and the path label look for Tidy: the names tried
// in a chosen folder, the status line's verdict on a selection, and the
// automatic search over the search list.
#pragma once
#include <string>
#include <string_view>

#include "core/runner/search_list.h"

namespace markwash {

inline constexpr char kTidyExeFileName[] = "Tidy.exe";
// The Win32 build of Tidy is searched for as "Tidy_win32.exe", but a folder
// chosen in the browser gives the label "tidy_win32.exe", in lower case.
inline constexpr char kTidyWin32SearchName[] = "Tidy_win32.exe";
inline constexpr char kTidyWin32FileName[] = "tidy_win32.exe";

// The label text for a confirmed folder: the folder (given a trailing
// backslash) plus "tidy_win32.exe" when that file is there, else plus
// "Tidy.exe", whether or not that one exists.
std::string TidyFileInFolder(std::string_view folder, const FileExistsTest& exists);

// "Gefunden in <folder>" when the folder holds "Tidy_win32.exe" or "Tidy.exe",
// else "Nicht gefunden in <folder>": ASCII words, the folder in its own bytes.
std::string SelectionStatusText(std::string_view folder, const FileExistsTest& exists);

// The automatic search: "Tidy_win32.exe" along the search list, else the
// label's file when it exists, else "Tidy.exe" along the list (the list is
// built anew for each search). Empty when nothing is found.
std::string AutoSearchTidy(const std::function<std::string()>& build_search_list,
                           std::string_view label_text, const FileExistsTest& exists,
                           const LeadBytePredicate& is_lead_byte);

}  // namespace markwash
