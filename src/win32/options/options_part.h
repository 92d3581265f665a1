// The option set of the dialog: the option engine bound to the real controls
// through its view, and to files, questions and the dialog as its host; the
// option-set buttons of both pages, the two file dialogs, the check-box rules
// wired straight from the catalogue, and the page synchronisation with the
// script.
#pragma once
#include <string>
#include <string_view>

#include "core/options/option_engine.h"
#include "win32/dialog/form_site.h"
#include "win32/options/dialog_option_view.h"
#include "win32/options/option_file_dialog.h"

namespace markwash::win32 {

class OptionsPart : public FormPart, private OptionHost {
 public:
  explicit OptionsPart(FormSite& site);

  // The option set as a file, as the engine saves it (the run's configuration).
  void SaveOptionSet(const std::string& fileName) { engine_.SaveOptionSet(fileName); }
  // The path label: its text, and a new text in normal weight or bold.
  std::string TidyPath() { return view_.TidyPath(); }
  void SetTidyPath(std::string_view text, bool bold) { view_.SetTidyPath(text, bold); }
  void SetTidyPathNotFound() { view_.SetTidyPath(kTidyNotFoundText, true); }
  // "&als Standard" after Tidy was located, posted: it stores the located path on any page.
  void PostAsDefaultSave() { engine_.PostAsDefaultSave(); }

 private:
  void FormResize() { engine_.FormResize(); }  // the first call loads the default option set
  void PagesChanging() { engine_.PagesChanging(ActivePage()); }
  void PagesChange() { engine_.PagesChange(ActivePage()); }
  void bSaveOptionsClick();
  void bLoadOptionsClick();
  void bResetOptionsClick() { engine_.bResetOptionsClick(); }
  void bAsDefaultOptionsClick() { engine_.bAsDefaultOptionsClick(); }
  void cbDocTypeChange() { engine_.cbDocTypeChange(); }

  // OptionHost
  bool FileExists(const std::string& name) override;
  std::string LibraryFileName() override;
  std::string CurrentDirectory() override;
  std::string PathVariable() override;
  bool IsDbcsLeadByte(unsigned char byte) override;
  std::string LoadFile(const std::string& name) override;
  void SaveFile(const std::string& name, const std::string& bytes) override;
  std::string ConfigHeader() override;
  bool AskTidyNotFound() override;
  bool AskSaveDefault() override;
  ResetAnswer AskResetOptions() override;
  void LocateTidy() override;
  void PostAsDefaultOptionsClick() override;
  OptionPage ActivePage() override;
  int Ask(unsigned text_id, unsigned flags);

  FormSite& site_;
  DialogOptionView view_;
  OptionEngine engine_;
  OptionFileDialog OpenOptionsDialog;
  OptionFileDialog SaveOptionsDialog;
};

}  // namespace markwash::win32
