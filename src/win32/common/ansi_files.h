// Files named by 8-bit ANSI code-page paths, read and written as whole byte
// strings: the configuration files and the texts handed to Tidy.exe.
#pragma once
#include <string>

#include "core/common/text_lines.h"

#include "win32/common/file_system.h"  // FileExists

namespace markwash::win32 {

// The whole file; raises "Cannot open file %s" when it cannot be opened.
std::string ReadWholeFile(const std::string& name);
// Adds the file's lines as SplitLines makes them, read in blocks straight
// into the one block: the file is never held twice. True when a NUL byte
// ended the text.
bool ReadFileLines(const std::string& name, LineBlock& lines);
// Creates or replaces the file with the bytes; raises "Cannot create file %s"
// when it cannot be created.
void WriteWholeFile(const std::string& name, const std::string& bytes);

}  // namespace markwash::win32
