// The option engine's view of the real dialog: the option controls of the
// page "Optionen", the path label and the script memo mCfg. Setters change
// the controls without running option rules: while one runs, the form's
// notifications are muted, so the change itself runs no handler.
#pragma once
#include <windows.h>

#include "core/options/option_view.h"
#include "win32/dialog/form_site.h"

namespace markwash::win32 {

class DialogOptionView : public OptionView {
 public:
  explicit DialogOptionView(FormSite& site) : site_(site) {}

  bool Checked(OptionControl box) override;
  void SetCheckedRaw(OptionControl box, bool checked) override;
  bool Enabled(OptionControl control) override;
  void SetEnabled(OptionControl control, bool enabled) override;
  int ItemIndex(OptionControl list) override;
  void SetItemIndex(OptionControl list, int item) override;
  std::string Text(OptionControl control) override;
  void SetText(OptionControl control, std::string_view text) override;
  int Position(OptionControl updown) override;
  void SetPosition(OptionControl updown, int position) override;
  std::string TidyPath() override;
  void SetTidyPath(std::string_view text, bool bold) override;
  TextLines ScriptLines() override;
  void SetScriptLines(const TextLines& lines) override;

 private:
  HWND Window(OptionControl control) const;

  FormSite& site_;
};

}  // namespace markwash::win32
