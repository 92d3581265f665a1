#include "win32/options/dialog_option_host.h"

#include <windows.h>

#include "win32/common/ansi_files.h"
#include "win32/common/process_environment.h"
#include "win32/common/text_encoding.h"
#include "win32/common/module.h"

namespace markwash::win32 {

bool DialogOptionHost::FileExists(const std::string& name) { return win32::FileExists(name); }

std::string DialogOptionHost::LibraryFileName() { return win32::LibraryFileName(); }

std::string DialogOptionHost::CurrentDirectory() { return win32::CurrentDirectory(); }

std::string DialogOptionHost::PathVariable() { return win32::PathVariable(); }

bool DialogOptionHost::IsDbcsLeadByte(unsigned char byte) { return IsAnsiLeadByte(byte); }

std::string DialogOptionHost::LoadFile(const std::string& name) { return ReadWholeFile(name); }

void DialogOptionHost::SaveFile(const std::string& name, const std::string& bytes) { WriteWholeFile(name, bytes); }

std::string DialogOptionHost::ConfigHeader() { return WideToAnsi(LoadResourceString(kConfigHeaderText)); }

int DialogOptionHost::Ask(unsigned text_id, unsigned flags) {
  return site_.Ask(site_.Window(), LoadResourceString(text_id), flags);
}

bool DialogOptionHost::AskTidyNotFound() { return Ask(kTidyNotFoundQuestion, MB_YESNO | MB_ICONSTOP) == IDYES; }

bool DialogOptionHost::AskSaveDefault() { return Ask(kSaveDefaultQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES; }

ResetAnswer DialogOptionHost::AskResetOptions() {
  switch (Ask(kResetQuestion, MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2)) {
    case IDYES: return ResetAnswer::kYes;
    case IDNO: return ResetAnswer::kNo;
    default: return ResetAnswer::kCancel;
  }
}

// The locate operation is what a click on the path label does.
void DialogOptionHost::LocateTidy() { site_.Click(ControlId::lTidyPath); }

void DialogOptionHost::PostAsDefaultOptionsClick() {
  ::PostMessageW(site_.Control(ControlId::bAsDefaultOptions), BM_CLICK, 0, 0);
}

OptionPage DialogOptionHost::ActivePage() {
  switch (site_.ActivePage()) {
    case ControlId::tsOptions: return OptionPage::kOptions;
    case ControlId::tsCfg: return OptionPage::kConfig;
    default: return OptionPage::kOther;
  }
}

}  // namespace markwash::win32
