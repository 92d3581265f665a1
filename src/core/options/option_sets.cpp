// Whole option sets: the default set at the first showing, reset, save as
// default, and keeping the script in step with the controls across pages.
#include <utility>

#include "core/common/paths.h"
#include "core/options/option_engine.h"

namespace markwash {

OptionEngine::OptionEngine(OptionView& view, OptionHost& host, WaitCursor& cursor)
    : view_(view),
      host_(host),
      cursor_(cursor),
      default_option_file_(ChangeExtension(host.LibraryFileName(), kOptionFilesExtension)) {}

void OptionEngine::PagesChanging(OptionPage leaving) {
  if (leaving == OptionPage::kConfig) ReadOptions(view_.ScriptLines());
}

void OptionEngine::PagesChange(OptionPage arrived) {
  if (arrived == OptionPage::kConfig) MergeScript();
}

void OptionEngine::FormResize() {
  if (defaults_loaded_) return;
  // Set before loading: a message box during the load resizes nothing twice.
  defaults_loaded_ = true;
  LoadOptionSet(host_.FileExists(default_option_file_) ? default_option_file_ : std::string());
}

void OptionEngine::bResetOptionsClick() {
  if (!host_.FileExists(default_option_file_)) {
    LoadOptionSet({});
    return;
  }
  switch (host_.AskResetOptions()) {
    case ResetAnswer::kYes: LoadOptionSet({}); break;
    case ResetAnswer::kNo: LoadOptionSet(default_option_file_); break;
    case ResetAnswer::kCancel: break;
  }
}

void OptionEngine::bAsDefaultOptionsClick() {
  // The script on "Config-Datei" may hold edits the controls do not show yet,
  // so only the path is merged into it.
  if (std::exchange(as_default_posted_, false) && host_.ActivePage() == OptionPage::kConfig) {
    TextLines lines = view_.ScriptLines();
    WriteTidyPath(lines);
    view_.SetScriptLines(lines);
  }
  SaveOptionSet(default_option_file_);
}

void OptionEngine::PostAsDefaultSave() {
  as_default_posted_ = true;
  host_.PostAsDefaultOptionsClick();
}

}  // namespace markwash
