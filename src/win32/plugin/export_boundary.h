// Where the plug-in meets the host: no exception may pass.
#pragma once
#include <functional>

namespace markwash::win32 {

// Runs the start of the plug-in; an error is shown in an error box titled
// "Markwash Plugin" and the constant empty text is returned instead.
const char* StartAtBoundary(const std::function<const char*()>& start);
void ReportAtBoundary(const char* text);

}  // namespace markwash::win32
