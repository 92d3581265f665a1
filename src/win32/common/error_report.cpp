#include "win32/common/error_report.h"

#include <exception>

#include "core/dialog/layout_table.h"
#include "win32/common/text_encoding.h"

namespace markwash::win32 {
namespace {

HWND g_owner = nullptr;

}  // namespace

ErrorBoxOwner::ErrorBoxOwner(HWND window) : previous_(g_owner) { g_owner = window; }

ErrorBoxOwner::~ErrorBoxOwner() { g_owner = previous_; }

void ShowErrorBox(const std::string& text) {
  ::MessageBoxW(g_owner ? g_owner : ::GetActiveWindow(), AnsiToWide(text).c_str(), Utf8ToWide(kFormCaption).c_str(),
                MB_OK | MB_ICONERROR);
}

void ReportCurrentException() {
  try {
    try {
      throw;
    } catch (const std::exception& e) {
      ShowErrorBox(e.what());
    } catch (...) {
      ShowErrorBox("Unknown error");
    }
  } catch (...) {
    // Not even the report could be shown (out of memory): nothing is left to tell it with.
  }
}

}  // namespace markwash::win32
