// Files named by 8-bit ANSI code-page paths, read and written as whole byte
// strings: the configuration files and the texts handed to Tidy.exe.
#pragma once
#include <string>

namespace markwash::win32 {

// A directory entry of that name exists and is not a folder. A name with
// wildcards names no file, although the system search would match it.
bool FileExists(const std::string& name);

// The whole file; raises "Cannot open file %s" when it cannot be opened.
std::string ReadWholeFile(const std::string& name);
// Creates or replaces the file with the bytes; raises "Cannot create file %s"
// when it cannot be created.
void WriteWholeFile(const std::string& name, const std::string& bytes);

}  // namespace markwash::win32
