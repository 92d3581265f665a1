// Which Tidy a Tidy.exe is: asked once per file (path, size and time of last
// writing) with "-v" and kept in memory for the library's life, so that a
// run, the path label's hint and the about page ask it only the first time.
// Opening the dialog never asks.
#pragma once
#include <windows.h>

#include <string>

#include "core/runner/tidy_version.h"

namespace markwash::win32 {

// How long "-v" may take. A Tidy that has not answered by then, that
// crashes, or that cannot be started counts as unknown.
inline constexpr DWORD kTidyVersionLimitMs = 8000;

// Never raises; the dialog stays painted while it waits.
TidyVersion KnownTidyVersion(const std::string& tidyPath);

}  // namespace markwash::win32
