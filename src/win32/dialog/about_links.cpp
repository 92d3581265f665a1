// The links of the about page: each asks the shell to open its target with
// the dialog as parent window; what the shell makes of it is not checked.
#include <windows.h>

#include <shellapi.h>

#include "core/dialog/about_page_texts.h"
#include "core/dialog/layout_table.h"
#include "win32/common/text_encoding.h"
#include "win32/dialog/markwash_form.h"

namespace markwash::win32 {
namespace {

void OpenTarget(HWND parent, const std::string& target, int showMode) {
  ::ShellExecuteA(parent, nullptr, target.c_str(), nullptr, nullptr, showMode);
}

}  // namespace

void TMarkwashForm::lAuthorEmailClick() {
  OpenTarget(window_, about::AuthorMailTarget(kFormCaption), SW_SHOW);
}

void TMarkwashForm::lAuthorHPClick() { OpenTarget(window_, std::string(about::kHomePage), SW_SHOWMAXIMIZED); }

// Shared by the project link and the download link: each opens exactly the
// address that it shows.
void TMarkwashForm::lTidySFClick() {
  std::wstring caption(static_cast<size_t>(::GetWindowTextLengthW(sender_)) + 1, L'\0');
  caption.resize(static_cast<size_t>(::GetWindowTextW(sender_, caption.data(), static_cast<int>(caption.size()))));
  OpenTarget(window_, WideToAnsi(caption), SW_SHOW);
}

}  // namespace markwash::win32
