// Starting Tidy.exe, for a run or for its version: a console program that
// reads nothing (standard input is NUL) and whose output goes to files.
#pragma once
#include <windows.h>

#include <string>

#include "win32/common/unique_handle.h"

namespace markwash::win32 {

// Starts `commandLine` with standard output to `outputFile` (NUL when empty)
// and standard error to `errorFile`, both made anew; the process. Raises the
// system error (naming `program` when it cannot be started).
UniqueKernelHandle StartConsoleProgram(const std::string& program, const std::string& commandLine, int showCommand,
                                       const std::string& outputFile, const std::string& errorFile);

}  // namespace markwash::win32
