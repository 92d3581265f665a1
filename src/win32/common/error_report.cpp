#include "win32/common/error_report.h"

#include <windows.h>

#include <exception>

#include "core/dialog/layout_table.h"
#include "win32/common/text_encoding.h"

namespace markwash::win32 {
namespace {

ErrorDisplay* g_display = nullptr;

void Report(const std::string& text) {
  if (g_display) {
    g_display->ShowError(text);
  } else {
    ShowErrorBox(text);
  }
}

}  // namespace

ErrorDisplayScope::ErrorDisplayScope(ErrorDisplay& display) : previous_(g_display) { g_display = &display; }

ErrorDisplayScope::~ErrorDisplayScope() { g_display = previous_; }

void ShowErrorBox(const std::string& text) {
  ::MessageBoxW(::GetActiveWindow(), AnsiToWide(text).c_str(), Utf8ToWide(kFormCaption).c_str(),
                MB_OK | MB_ICONERROR);
}

void ReportCurrentException() {
  try {
    try {
      throw;
    } catch (const std::exception& e) {
      Report(e.what());
    } catch (...) {
      Report("Unknown error");
    }
  } catch (...) {
    // Not even the report could be shown (out of memory): nothing is left to tell it with.
  }
}

}  // namespace markwash::win32
