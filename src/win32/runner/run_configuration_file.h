// The run configuration file, made to speak the Tidy that runs: the option
// set is saved there first, as it always was, and then rewritten for an
// HTML5 Tidy. For any other Tidy the file stays as saved, byte for byte.
#pragma once
#include <string>

#include "core/common/text_lines.h"
#include "core/runner/tidy_version.h"

namespace markwash::win32 {

// Returns the lines the messages page shows before Tidy's own (ANSI).
TextLines AdaptRunConfiguration(const std::string& configFile, TidyKind kind);

}  // namespace markwash::win32
