// File-system questions the plug-in asks, with ANSI file names.
#pragma once
#include <string>

namespace markwash::win32 {

// A name counts as an existing file when a directory entry of that name is
// found that is not a folder.
bool FileExists(const std::string& name);

// The name as a full path (a relative name is taken from the current
// directory); the name itself when the system cannot tell.
std::string FullPathName(const std::string& name);

}  // namespace markwash::win32
