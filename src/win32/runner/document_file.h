// The document file of a run: the input lines, each followed by CR LF.
#pragma once
#include <string>

#include "core/common/text_lines.h"

namespace markwash::win32 {

// Replaces any file of that name; raises "Cannot create file %s".
void WriteLinesToFile(const std::string& name, const LineBlock& lines);

}  // namespace markwash::win32
