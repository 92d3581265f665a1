// The three functions the host editor calls.
#include <windows.h>

#include <memory>

#include "core/common/error.h"
#include "win32/common/text_encoding.h"

#include "win32/dialog/about_links.h"
#include "win32/dialog/markwash_form.h"
#include "win32/dialog/messages_part.h"
#include "win32/dialog/placement_part.h"
#include "win32/dialog/printing_part.h"
#include "win32/options/options_part.h"
#include "win32/plugin/export_boundary.h"
#include "win32/plugin/plugin_state.h"
#include "win32/runner/temp_file.h"
#include "win32/runner/tidy_run_part.h"

namespace markwash::win32 {
namespace {

// Temporary files a run could not delete are tried again once the dialog
// is gone, also when it ended with an error.
constexpr char kNoMemoryForResultText[] =
    "Für die Übergabe des Ergebnisses an den Editor ist nicht genug Speicher frei.\r\n"
    "Die Ausgabe bleibt angeboten; schließen Sie andere Programme oder Dokumente und versuchen Sie es erneut.";

struct RetryLeftoversAtEnd {
  ~RetryLeftoversAtEnd() { RetryTempLeftovers(); }
};

const char* StartPlugin(const char* text) {
  RetryLeftoversAtEnd retry;
  auto form = std::make_unique<TMarkwashForm>();
  // The parts' handlers of one event run in this order.
  form->Add<PlacementPart>(form->Controls());
  OptionsPart& options = form->Add<OptionsPart>();
  form->Add<TidyRunPart>(options);
  form->Add<AboutLinks>();
  form->Add<PrintingPart>();
  form->Add<MessagesPart>();
  form->SetInputText(text ? text : "");
  // The block is made before the dialog closes: when memory is short, the
  // user is told and the output stays offered.
  const char* handedBack = nullptr;
  form->OnAccept([&handedBack](LineBlock& result) {
    handedBack = NewResultBlock(result);
    if (!handedBack) throw Error(Utf8ToAnsi(kNoMemoryForResultText));
  });
  if (form->ShowModal() != kModalOk) return kEmptyResult;
  SetResultKind(kResultText);
  return handedBack;
}

}  // namespace
}  // namespace markwash::win32

extern "C" {

int __stdcall pluginInterfaceVersion() { return 1; }

int __stdcall pluginRueckgabetyp() { return markwash::win32::CurrentResultKind(); }

const char* __stdcall pluginStart(const char* text, int /*reserved1*/, int /*reserved2*/) {
  using namespace markwash::win32;
  // Only a call that ends with OK tells the host to take the text, never an
  // earlier call's kind that a failed start left standing.
  SetResultKind(kResultNothing);
  return StartAtBoundary([text] { return StartPlugin(text); });
}

}  // extern "C"
