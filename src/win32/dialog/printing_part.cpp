// Printing Tidy's messages from the page "Meldungen".
#include "win32/common/text_encoding.h"
#include "win32/dialog/markwash_form.h"
#include "win32/dialog/text_printer.h"

namespace markwash::win32 {
namespace {

constexpr char kPrintQuestion[] = "Sollen die Meldungen jetzt auf dem Standarddrucker ausgegeben werden?";

}  // namespace

void TMarkwashForm::bPrintErrorsClick() {
  // No caption of its own: the title bar shows the system's default title.
  if (::MessageBoxW(window_, Utf8ToWide(kPrintQuestion).c_str(), nullptr, MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  HWND memo = controls_.Get("mErrors");
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(memo)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(memo, text.data(), static_cast<int>(text.size()))));
  PrintTextLines(SplitLines(WideToAnsi(text)), window_);
}

}  // namespace markwash::win32
