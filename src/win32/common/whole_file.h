// Whole files as 8-bit bytes: the document, Tidy's messages, option sets.
// Failures raise markwash::Error with "Cannot open file %s" or
// "Cannot create file %s".
#pragma once
#include <string>

#include "core/common/text_lines.h"

namespace markwash::win32 {

std::string ReadWholeFile(const std::string& name);
// The lines, each followed by CR LF, replacing any file of that name.
void WriteLinesToFile(const std::string& name, const TextLines& lines);

}  // namespace markwash::win32
