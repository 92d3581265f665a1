// The three functions the host editor calls.
#include <windows.h>

#include <memory>

#include "win32/dialog/about_links.h"
#include "win32/dialog/markwash_form.h"
#include "win32/dialog/placement_part.h"
#include "win32/dialog/printing_part.h"
#include "win32/options/options_part.h"
#include "win32/plugin/export_boundary.h"
#include "win32/plugin/plugin_state.h"
#include "win32/runner/tidy_run_part.h"

namespace markwash::win32 {
namespace {

const char* StartPlugin(const char* text) {
  auto form = std::make_unique<TMarkwashForm>();
  // The parts' handlers of one event run in this order.
  form->Add<PlacementPart>(form->Controls());
  OptionsPart& options = form->Add<OptionsPart>();
  form->Add<TidyRunPart>(options);
  form->Add<AboutLinks>();
  form->Add<PrintingPart>();
  form->SetInputText(text ? text : "");
  if (form->ShowModal() == kModalOk) {
    const char* result = RetainResult(form->ResultText());
    SetResultKind(kResultText);
    return result;
  }
  SetResultKind(kResultNothing);
  return kEmptyResult;
}

}  // namespace
}  // namespace markwash::win32

extern "C" {

int __stdcall pluginInterfaceVersion() { return 1; }

int __stdcall pluginRueckgabetyp() { return markwash::win32::CurrentResultKind(); }

const char* __stdcall pluginStart(const char* text, int /*reserved1*/, int /*reserved2*/) {
  using namespace markwash::win32;
  return StartAtBoundary([text] { return StartPlugin(text); });
}

}  // extern "C"
