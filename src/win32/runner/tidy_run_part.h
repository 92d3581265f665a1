// Running Tidy from the dialog: "&Tidy starten", and locating Tidy.exe with
// the folder browser when the path label is clicked or a run finds no Tidy.
#pragma once
#include <memory>

#include "core/common/text_lines.h"
#include "win32/dialog/form_site.h"
#include "win32/options/options_part.h"
#include "win32/runner/browse_for_folder_dialog.h"
#include "win32/runner/tidy_version_probe.h"

namespace markwash::win32 {

class TidyRunPart : public FormPart {
 public:
  TidyRunPart(FormSite& site, OptionsPart& options);

 private:
  // The run (tidy_run_part.cpp).
  void bRunTidyClick();
  void mOutputChange();
  bool AskStopTidy(unsigned seconds);
  void ShowRunMessages(LineBlock messages);
  void ShowRunOutput();
  void ShowPendingRunOutput();  // on arriving at the output page

  // Which Tidy the path label names (tidy_in_use.cpp): the label's hint, and
  // the about page's line when that page is arrived at.
  std::wstring TidyPathHint();
  void ShowTidyInUse();
  void AskTidyVersionEarly();  // once the dialog has opened

  // Locating Tidy.exe (tidy_locate.cpp).
  void lTidyPathClick();
  void BrowseForFolderDialog1SelChanged();
  void BrowseForFolderDialog1CustomButtonClick();
  TBrowseForFolderDialog& FolderBrowser();
  void AskForTidyLocation();

  FormSite& site_;
  OptionsPart& options_;
  std::unique_ptr<TBrowseForFolderDialog> BrowseForFolderDialog1;
  bool tidyRunning_ = false;
  bool outputPending_ = false;  // OutputLines not yet shown on the output page
  TidyVersionProbe tidyVersions_;
};

}  // namespace markwash::win32
