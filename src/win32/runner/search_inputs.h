// What the automatic search for Tidy reads from the process: the library
// folder, the current directory and PATH, joined into the search list.
#pragma once
#include <string>

#include "win32/common/process_environment.h"

namespace markwash::win32 {

std::string TidySearchList();

}  // namespace markwash::win32
