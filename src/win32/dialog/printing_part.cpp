#include "win32/dialog/printing_part.h"

#include "core/dialog/dialog_texts.h"
#include "win32/common/text_encoding.h"
#include "win32/dialog/text_printer.h"

namespace markwash::win32 {

PrintingPart::PrintingPart(FormSite& site) : site_(site) {
  site.OnClick(ControlId::bPrintErrors, [this] { bPrintErrorsClick(); });
}

void PrintingPart::bPrintErrorsClick() {
  // No caption of its own: the title bar shows the system's default title.
  if (::MessageBoxW(site_.Window(), Utf8ToWide(kPrintQuestion).c_str(), nullptr, MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  PrintTextLines(site_.MessageLines(), site_.Window());
}

}  // namespace markwash::win32
