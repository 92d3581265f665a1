// Which Tidy the path label names, shown where the user looks for it: in the
// label's hint and on the about page. Both ask only when they are shown, so
// opening the dialog never waits for Tidy.
#include "core/dialog/about_page_texts.h"
#include "core/dialog/option_faces.h"
#include "win32/common/file_system.h"
#include "win32/common/text_encoding.h"
#include "win32/runner/tidy_run_part.h"
#include "win32/runner/tidy_version_probe.h"

namespace markwash::win32 {

std::wstring TidyRunPart::TidyPathHint() {
  std::string hint(FindOptionFace(ControlId::lTidyPath)->hint);
  const std::string path = options_.TidyPath();
  if (FileExists(path)) hint += "\r\n\r\n" + TidyVersionCaption(KnownTidyVersion(path));
  return Utf8ToWide(hint);
}

void TidyRunPart::ShowTidyInUse() {
  if (site_.ActivePage() != ControlId::TabSheet1) return;
  const std::string path = options_.TidyPath();
  const std::string text = FileExists(path) ? TidyInUseText(KnownTidyVersion(path)) : std::string(about::kTidyNeeded);
  ::SetWindowTextW(site_.Control(ControlId::lTidyNeeded), Utf8ToWide(text).c_str());
}

}  // namespace markwash::win32
