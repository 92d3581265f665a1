#include "win32/options/form_option_sets.h"

#include "core/options/option_engine.h"
#include "core/options/option_texts.h"
#include "win32/options/dialog_option_host.h"
#include "win32/options/dialog_option_view.h"
#include "win32/options/option_file_dialog.h"

namespace markwash::win32 {

struct FormOptionSets::Parts {
  Parts(OptionFormSite s, WaitCursor& cursor) : site(std::move(s)), engine(view, host, cursor) {}

  OptionPage ActivePage() { return host.ActivePage(); }

  OptionFormSite site;
  DialogOptionView view{site};
  DialogOptionHost host{site};
  OptionEngine engine;
  OptionFileDialog OpenOptionsDialog{OptionFileDialog::Kind::kOpen, kOpenOptionsTitle};
  OptionFileDialog SaveOptionsDialog{OptionFileDialog::Kind::kSave, kSaveOptionsTitle};
};

FormOptionSets::FormOptionSets(OptionFormSite site, WaitCursor& cursor)
    : parts_(std::make_unique<Parts>(std::move(site), cursor)) {}

FormOptionSets::~FormOptionSets() = default;

bool FormOptionSets::Updating() const { return parts_->view.Updating(); }

void FormOptionSets::FormResize() { parts_->engine.FormResize(); }

void FormOptionSets::PagesChanging() { parts_->engine.PagesChanging(parts_->ActivePage()); }
void FormOptionSets::PagesChange() { parts_->engine.PagesChange(parts_->ActivePage()); }

void FormOptionSets::SaveOptions() {
  if (const auto name = parts_->SaveOptionsDialog.Execute(parts_->site.window())) {
    parts_->engine.SaveOptionSet(*name);
  }
}

void FormOptionSets::LoadOptions() {
  if (const auto name = parts_->OpenOptionsDialog.Execute(parts_->site.window())) {
    parts_->engine.LoadOptionSet(*name);
  }
}

void FormOptionSets::ResetOptions() { parts_->engine.bResetOptionsClick(); }
void FormOptionSets::SaveAsDefault() { parts_->engine.bAsDefaultOptionsClick(); }

void FormOptionSets::BoxClicked(std::string_view box) {
  for (const OptionEntry& entry : Catalogue()) {
    if (entry.name == box && entry.kind == OptionKind::kCheckBox) parts_->engine.Click(entry.control);
  }
}

void FormOptionSets::DocTypeChange() { parts_->engine.cbDocTypeChange(); }

void FormOptionSets::SaveOptionSet(const std::string& fileName) { parts_->engine.SaveOptionSet(fileName); }

std::string FormOptionSets::TidyPath() { return parts_->view.TidyPath(); }

void FormOptionSets::SetTidyPath(std::string_view text, bool bold) { parts_->view.SetTidyPath(text, bold); }

void FormOptionSets::SetTidyPathNotFound() { parts_->view.SetTidyPath(kTidyNotFoundText, true); }

}  // namespace markwash::win32
