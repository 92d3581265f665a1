// What the automatic search for Tidy reads from the process: the library
// folder, the current directory and PATH, joined into the search list.
#pragma once
#include <string>

namespace markwash::win32 {

std::string TidySearchList();
bool IsAnsiLeadByte(unsigned char byte);

}  // namespace markwash::win32
