// Which Tidy the path label names, shown where the user looks for it: in the
// label's hint and on the about page. Both ask only when they are shown, so
// opening the dialog never waits for Tidy.
#include "core/dialog/about_page_texts.h"
#include "core/dialog/option_faces.h"
#include "win32/common/file_system.h"
#include "win32/common/text_encoding.h"
#include "win32/dialog/markwash_form.h"
#include "win32/runner/tidy_version_probe.h"

namespace markwash::win32 {

std::wstring TMarkwashForm::TidyPathHint() {
  std::string hint(FindOptionFace("lTidyPath")->hint);
  const std::string path = optionSets_->TidyPath();
  if (FileExists(path)) hint += "\r\n\r\n" + TidyVersionCaption(KnownTidyVersion(path));
  return Utf8ToWide(hint);
}

void TMarkwashForm::ShowTidyInUse() {
  const std::string path = optionSets_->TidyPath();
  const std::string text = FileExists(path) ? TidyInUseText(KnownTidyVersion(path)) : std::string(about::kTidyNeeded);
  ::SetWindowTextW(Control("lTidyNeeded"), Utf8ToWide(text).c_str());
}

}  // namespace markwash::win32
