// The option engine's view of the real dialog: the option controls of the
// page "Optionen", the path label and the script memo mCfg, found by their
// layout names. Setters change the controls without running option rules;
// while one runs, Updating() tells the dialog to ignore the notifications
// that the change itself causes.
#pragma once
#include <windows.h>

#include "core/options/option_view.h"
#include "win32/options/option_form_site.h"

namespace markwash::win32 {

class DialogOptionView : public OptionView {
 public:
  explicit DialogOptionView(const OptionFormSite& site) : site_(site) {}

  bool Updating() const { return updating_ > 0; }

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
  // Counts nested setters, so that notifications sent while one runs are
  // recognised as the view's own.
  class UpdateScope {
   public:
    explicit UpdateScope(int& depth) : depth_(depth) { ++depth_; }
    ~UpdateScope() { --depth_; }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

   private:
    int& depth_;
  };

  HWND Window(OptionControl control) const;

  const OptionFormSite& site_;
  int updating_ = 0;
};

}  // namespace markwash::win32
