// The option set of one dialog: the option engine bound to the dialog's real
// controls, its questions and files, and the two file dialogs. The form's
// event handlers forward to it.
#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "core/common/wait_cursor.h"
#include "win32/options/option_form_site.h"

namespace markwash::win32 {

class FormOptionSets {
 public:
  FormOptionSets(OptionFormSite site, WaitCursor& cursor);
  ~FormOptionSets();
  FormOptionSets(const FormOptionSets&) = delete;
  FormOptionSets& operator=(const FormOptionSets&) = delete;

  // A setter of the engine is changing a control: the notifications that
  // this causes are not the user's.
  bool Updating() const;

  void FormResize();  // the first call loads the default option set
  void PagesChanging();  // while the page control still names the old page
  void PagesChange();    // once it names the new one

  void SaveOptions();  // asks for a name, then saves
  void LoadOptions();  // asks for a name, then loads
  void ResetOptions();
  void SaveAsDefault();

  // The rule of a check box after the user's click, by layout name.
  void BoxClicked(std::string_view box);
  void DocTypeChange();

  // The option set as a file, as the engine saves it (the run's configuration).
  void SaveOptionSet(const std::string& fileName);
  // The path label: its text, and a new text in normal weight or bold.
  std::string TidyPath();
  void SetTidyPath(std::string_view text, bool bold);
  void SetTidyPathNotFound();  // the bold not-found text

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace markwash::win32
