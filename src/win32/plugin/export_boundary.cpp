#include "win32/plugin/export_boundary.h"

#include "win32/common/error_report.h"
#include "win32/plugin/plugin_state.h"

namespace markwash::win32 {

const char* StartAtBoundary(const std::function<const char*()>& start) {
  return Guarded(start, [] { return kEmptyResult; });
}

void ReportAtBoundary(const char* text) { ShowErrorBox(text); }

}  // namespace markwash::win32
