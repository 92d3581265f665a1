// Locating Tidy.exe: the click on the path label opens the folder browser,
// whose status line tells at once whether the selected folder holds Tidy and
// whose extra button searches for it; the label keeps the result, in normal
// weight for a file that exists, else as the bold not-found text.
#include <windows.h>

#include <shellapi.h>

#include "core/common/paths.h"
#include "core/dialog/about_page_texts.h"
#include "core/dialog/dialog_texts.h"
#include "core/runner/search_list.h"
#include "core/runner/tidy_location.h"
#include "win32/common/file_system.h"
#include "win32/common/module.h"
#include "win32/common/process_environment.h"
#include "win32/common/text_encoding.h"
#include "win32/runner/tidy_run_part.h"

namespace markwash::win32 {
namespace {

bool Exists(const std::string& name) { return FileExists(name); }

// What the automatic search reads from the process: the library folder, the
// current directory and PATH, joined into the search list.
std::string TidySearchList() {
  return BuildSearchList(LibraryFileName(), CurrentDirectory(), PathVariable(), IsAnsiLeadByte);
}

}  // namespace

TBrowseForFolderDialog& TidyRunPart::FolderBrowser() {
  if (!BrowseForFolderDialog1) {
    auto browser = std::make_unique<TBrowseForFolderDialog>(site_.Window());
    browser->SetTitle(Utf8ToAnsi(kFolderBrowserTitle));
    browser->SetOptions(bfoReturnOnlyFSDirs | bfoStatusText | bfoEditDefault);
    browser->SetCustomButtonType(TbfCustomButton::bfbButton);
    browser->SetCustomButtonCaption(std::string(kSearchButtonCaption));
    browser->SetCustomButtonChecked(false);
    browser->OnSelChanged = [this] { BrowseForFolderDialog1SelChanged(); };
    browser->OnCustomButtonClick = [this] { BrowseForFolderDialog1CustomButtonClick(); };
    BrowseForFolderDialog1 = std::move(browser);
  }
  return *BrowseForFolderDialog1;
}

void TidyRunPart::lTidyPathClick() {
  TBrowseForFolderDialog& browser = FolderBrowser();
  const std::string current = options_.TidyPath();
  // The folder without its backslash (a drive root keeps it), as the shell
  // parses folder names.
  if (FileExists(current)) browser.SetSelectedPath(FolderOfHit(current, IsAnsiLeadByte));
  if (browser.Execute()) options_.SetTidyPath(TidyFileInFolder(browser.SelectedPath(), Exists), false);
  if (!FileExists(options_.TidyPath())) options_.SetTidyPathNotFound();
}

void TidyRunPart::BrowseForFolderDialog1SelChanged() {
  // The verdict's words are ASCII; the folder stays in its ANSI bytes.
  TBrowseForFolderDialog& browser = FolderBrowser();
  browser.SetStatusText(SelectionStatusText(browser.SelectedPath(), Exists));
}

void TidyRunPart::BrowseForFolderDialog1CustomButtonClick() {
  TBrowseForFolderDialog& browser = FolderBrowser();
  const std::string hit = AutoSearchTidy(TidySearchList, options_.TidyPath(), Exists, IsAnsiLeadByte);
  if (!hit.empty()) {
    // A hit of the bare name lies in the current directory; its folder must
    // be named, or the browser would be asked to select nothing.
    browser.SetSelectedPath(FolderOfHit(FullPathName(hit), IsAnsiLeadByte));  // the selection feedback follows
    return;
  }
  if (site_.Ask(browser.DialogWindow(), LoadResourceString(kDownloadOfferQuestion), MB_YESNOCANCEL | MB_ICONSTOP) ==
      IDYES) {
    const std::string folder = LibraryFolder(LibraryFileName(), IsAnsiLeadByte);
    ::ShellExecuteA(site_.Window(), nullptr, std::string(about::kTidyDownloadAddress).c_str(), nullptr, folder.c_str(),
                    SW_SHOW);
  }
}

void TidyRunPart::AskForTidyLocation() {
  if (site_.Ask(site_.Window(), LoadResourceString(kTidyNotFoundQuestion), MB_YESNO | MB_ICONSTOP) != IDYES) return;
  lTidyPathClick();
  if (FileExists(options_.TidyPath()) &&
      site_.Ask(site_.Window(), LoadResourceString(kSaveDefaultQuestion), MB_YESNO | MB_ICONQUESTION) == IDYES) {
    // Saved by "&als Standard" once this handler has returned.
    options_.PostAsDefaultSave();
  }
}

}  // namespace markwash::win32
