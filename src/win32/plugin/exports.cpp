// The three functions the host editor calls.
#include <windows.h>

#include <exception>
#include <memory>

#include "win32/common/text_encoding.h"
#include "win32/dialog/markwash_form.h"
#include "win32/plugin/plugin_state.h"

namespace markwash::win32 {
namespace {

const char* StartPlugin(const char* text) {
  auto form = std::make_unique<TMarkwashForm>();
  form->SetInputText(text ? text : "");
  if (form->ShowModal() == kModalOk) {
    const char* result = RetainResult(form->ResultText());
    SetResultKind(kResultText);
    return result;
  }
  SetResultKind(kResultNothing);
  return kEmptyResult;
}

// An exception leaving an export would end the host's process.
void ReportAtBoundary(const char* text) {
  ::MessageBoxW(::GetActiveWindow(), AnsiToWide(text).c_str(), L"Markwash Plugin", MB_OK | MB_ICONERROR);
}

}  // namespace
}  // namespace markwash::win32

extern "C" {

int __stdcall pluginInterfaceVersion() { return 1; }

int __stdcall pluginRueckgabetyp() { return markwash::win32::CurrentResultKind(); }

const char* __stdcall pluginStart(const char* text, int /*reserved1*/, int /*reserved2*/) {
  using namespace markwash::win32;
  try {
    return StartPlugin(text);
  } catch (const std::exception& e) {
    ReportAtBoundary(e.what());
  } catch (...) {
    ReportAtBoundary("Unknown error");
  }
  return kEmptyResult;
}

}  // extern "C"
