// The option set of the dialog: the option engine bound to the real controls
// through its view and host, the option-set buttons of both pages, the two
// file dialogs, the check-box rules wired straight from the catalogue, and
// the page synchronisation with the script.
#pragma once
#include <string>
#include <string_view>

#include "core/options/option_engine.h"
#include "win32/dialog/form_site.h"
#include "win32/options/dialog_option_host.h"
#include "win32/options/dialog_option_view.h"
#include "win32/options/option_file_dialog.h"

namespace markwash::win32 {

class OptionsPart : public FormPart {
 public:
  explicit OptionsPart(FormSite& site);

  // The option set as a file, as the engine saves it (the run's configuration).
  void SaveOptionSet(const std::string& fileName) { engine_.SaveOptionSet(fileName); }
  // The path label: its text, and a new text in normal weight or bold.
  std::string TidyPath() { return view_.TidyPath(); }
  void SetTidyPath(std::string_view text, bool bold) { view_.SetTidyPath(text, bold); }
  void SetTidyPathNotFound() { view_.SetTidyPath(kTidyNotFoundText, true); }

 private:
  void FormResize() { engine_.FormResize(); }  // the first call loads the default option set
  void PagesChanging() { engine_.PagesChanging(host_.ActivePage()); }
  void PagesChange() { engine_.PagesChange(host_.ActivePage()); }
  void bSaveOptionsClick();
  void bLoadOptionsClick();
  void bResetOptionsClick() { engine_.bResetOptionsClick(); }
  void bAsDefaultOptionsClick() { engine_.bAsDefaultOptionsClick(); }
  void cbDocTypeChange() { engine_.cbDocTypeChange(); }

  FormSite& site_;
  DialogOptionView view_;
  DialogOptionHost host_;
  OptionEngine engine_;
  OptionFileDialog OpenOptionsDialog;
  OptionFileDialog SaveOptionsDialog;
};

}  // namespace markwash::win32
