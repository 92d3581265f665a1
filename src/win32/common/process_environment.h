// What the search for Tidy.exe reads from the process: its current directory
// and the whole value of PATH (never beyond it, however long).
#pragma once
#include <string>

namespace markwash::win32 {

std::string CurrentDirectory();
std::string PathVariable();  // "" when unset or empty
bool IsAnsiLeadByte(unsigned char byte);

}  // namespace markwash::win32
