// What the automatic search for Tidy reads from the process: the library
// folder, the current directory and PATH, joined into the search list.
#pragma once
#include <string>

#include "win32/common/process_environment.h"

namespace markwash::win32 {

std::string TidySearchList();
// The name as a full path (a relative name is taken from the current
// directory); the name itself when the system cannot tell.
std::string FullPathName(const std::string& name);

}  // namespace markwash::win32
