// Each link asks the shell to open its target with the dialog as parent
// window; what the shell makes of it is not checked.
#include "win32/dialog/about_links.h"

#include <shellapi.h>

#include "core/dialog/about_page_texts.h"
#include "win32/common/text_encoding.h"
#include "win32/common/window_text.h"

namespace markwash::win32 {
namespace {

void OpenTarget(HWND parent, const std::string& target, int showMode) {
  ::ShellExecuteA(parent, nullptr, target.c_str(), nullptr, nullptr, showMode);
}

}  // namespace

AboutLinks::AboutLinks(FormSite& site) : site_(site) {
  site.OnClick(ControlId::lAuthorEmail, [this] { lAuthorEmailClick(); });
  site.OnClick(ControlId::lAuthorHP, [this] { lAuthorHPClick(); });
  site.OnClick(ControlId::lTidySF, [this] { lTidySFClick(); });
  site.OnClick(ControlId::lTidyDownload, [this] { lTidySFClick(); });
  ::SetWindowTextW(site.Control(ControlId::lAboutVersion), Utf8ToWide(about::kVersionCaption).c_str());
}

void AboutLinks::lAuthorEmailClick() {
  OpenTarget(site_.Window(), about::AuthorMailTarget(kFormCaption), SW_SHOW);
}

void AboutLinks::lAuthorHPClick() { OpenTarget(site_.Window(), std::string(about::kHomePage), SW_SHOWMAXIMIZED); }

// Shared by the project link and the download link: each opens exactly the
// address that it shows.
void AboutLinks::lTidySFClick() { OpenTarget(site_.Window(), WideToAnsi(WindowText(site_.Sender())), SW_SHOW); }

}  // namespace markwash::win32
