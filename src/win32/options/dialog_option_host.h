// What the option engine needs from Windows and from the dialog around the
// option controls: files by ANSI names, the search inputs for Tidy.exe, the
// header resource, the questions as message boxes, the locate operation and
// the posted click on "&als Standard".
#pragma once
#include "core/options/option_view.h"
#include "win32/dialog/form_site.h"

namespace markwash::win32 {

class DialogOptionHost : public OptionHost {
 public:
  explicit DialogOptionHost(FormSite& site) : site_(site) {}

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

 private:
  int Ask(unsigned text_id, unsigned flags);

  FormSite& site_;
};

}  // namespace markwash::win32
