#include "win32/options/options_part.h"

#include "core/dialog/dialog_texts.h"
#include "core/dialog/option_faces.h"
#include "win32/common/ansi_files.h"
#include "win32/common/module.h"
#include "win32/common/process_environment.h"
#include "win32/common/text_encoding.h"
#include "win32/dialog/link_label.h"

namespace markwash::win32 {

OptionsPart::OptionsPart(FormSite& site)
    : site_(site),
      view_(site),
      engine_(view_, *this, site.Cursor()),
      OpenOptionsDialog(OptionFileDialog::Kind::kOpen, kOpenOptionsTitle),
      SaveOptionsDialog(OptionFileDialog::Kind::kSave, kSaveOptionsTitle) {
  site.OnEvent(FormEvent::Resize, [this] { FormResize(); });
  site.OnEvent(FormEvent::PagesChanging, [this] { PagesChanging(); });
  site.OnEvent(FormEvent::PagesChange, [this] { PagesChange(); });
  // The option-set buttons of both pages share their handlers.
  for (ControlId id : {ControlId::bSaveOptions, ControlId::Button1})
    site.OnClick(id, [this] { bSaveOptionsClick(); });
  for (ControlId id : {ControlId::bLoadOptions, ControlId::Button2})
    site.OnClick(id, [this] { bLoadOptionsClick(); });
  for (ControlId id : {ControlId::bResetOptions, ControlId::Button3})
    site.OnClick(id, [this] { bResetOptionsClick(); });
  for (ControlId id : {ControlId::bAsDefaultOptions, ControlId::Button4})
    site.OnClick(id, [this] { bAsDefaultOptionsClick(); });
  // A user's click on a check box runs the box's rule, if it has one.
  for (const OptionEntry& entry : Catalogue()) {
    if (entry.kind != ControlKind::CheckBox) continue;
    site.OnClick(ControlOf(entry.control), [this, box = entry.control] { engine_.Click(box); });
  }
  site.OnNotification(ControlId::cbDocType, CBN_EDITCHANGE, [this] { cbDocTypeChange(); });
  // The combo shows the picked item's text only after this notification.
  site.OnNotification(ControlId::cbDocType, CBN_SELCHANGE, [this] { site_.Post([this] { cbDocTypeChange(); }); });
  // The path label underlines itself under the mouse pointer.
  TLinkLabel& path = *TLinkLabel::Of(site.Control(ControlId::lTidyPath));
  path.SetHoverFont(path.Font(), true);
  path.SetHoverFontUsed(true);
}

bool OptionsPart::FileExists(const std::string& name) { return win32::FileExists(name); }

std::string OptionsPart::LibraryFileName() { return win32::LibraryFileName(); }

std::string OptionsPart::CurrentDirectory() { return win32::CurrentDirectory(); }

std::string OptionsPart::PathVariable() { return win32::PathVariable(); }

bool OptionsPart::IsDbcsLeadByte(unsigned char byte) { return IsAnsiLeadByte(byte); }

std::string OptionsPart::LoadFile(const std::string& name) { return ReadWholeFile(name); }

void OptionsPart::SaveFile(const std::string& name, const std::string& bytes) { WriteWholeFile(name, bytes); }

std::string OptionsPart::ConfigHeader() { return WideToAnsi(LoadResourceString(kConfigHeaderText)); }

int OptionsPart::Ask(unsigned text_id, unsigned flags) {
  return site_.Ask(site_.Window(), LoadResourceString(text_id), flags);
}

bool OptionsPart::AskTidyNotFound() { return Ask(kTidyNotFoundQuestion, MB_YESNO | MB_ICONSTOP) == IDYES; }

bool OptionsPart::AskSaveDefault() { return Ask(kSaveDefaultQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES; }

ResetAnswer OptionsPart::AskResetOptions() {
  switch (Ask(kResetQuestion, MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2)) {
    case IDYES: return ResetAnswer::kYes;
    case IDNO: return ResetAnswer::kNo;
    default: return ResetAnswer::kCancel;
  }
}

// The locate operation is what a click on the path label does.
void OptionsPart::LocateTidy() { site_.Click(ControlId::lTidyPath); }

void OptionsPart::PostAsDefaultOptionsClick() { site_.PostClick(ControlId::bAsDefaultOptions); }

OptionPage OptionsPart::ActivePage() {
  switch (site_.ActivePage()) {
    case ControlId::tsOptions: return OptionPage::kOptions;
    case ControlId::tsCfg: return OptionPage::kConfig;
    default: return OptionPage::kOther;
  }
}

void OptionsPart::bSaveOptionsClick() {
  if (const auto name = SaveOptionsDialog.Execute(site_.Window())) engine_.SaveOptionSet(*name);
}

void OptionsPart::bLoadOptionsClick() {
  if (const auto name = OpenOptionsDialog.Execute(site_.Window())) engine_.LoadOptionSet(*name);
}

}  // namespace markwash::win32
