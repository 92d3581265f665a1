#include "win32/plugin/export_boundary.h"

#include <windows.h>

#include <exception>

#include "win32/common/text_encoding.h"
#include "win32/plugin/plugin_state.h"

namespace markwash::win32 {

const char* StartAtBoundary(const std::function<const char*()>& start) {
  try {
    return start();
  } catch (const std::exception& e) {
    ReportAtBoundary(e.what());
  } catch (...) {
    ReportAtBoundary("Unknown error");
  }
  return kEmptyResult;
}

void ReportAtBoundary(const char* text) {
  ::MessageBoxW(::GetActiveWindow(), AnsiToWide(text).c_str(), L"Markwash Plugin", MB_OK | MB_ICONERROR);
}

}  // namespace markwash::win32
