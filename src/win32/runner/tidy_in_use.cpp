// Which Tidy the path label names, shown where the user looks for it: in the
// label's hint and on the about page. The question goes out once the dialog
// has opened, without waiting for the answer; the hint, the about page or the
// run, whichever comes first, collects it. So opening never waits for Tidy,
// and the first run seldom does.
#include "core/dialog/about_page_texts.h"
#include "core/dialog/option_faces.h"
#include "win32/common/file_system.h"
#include "win32/common/text_encoding.h"
#include "win32/runner/tidy_run_part.h"

namespace markwash::win32 {

std::wstring TidyRunPart::TidyPathHint() {
  std::string hint(FindOptionFace(ControlId::lTidyPath)->hint);
  const std::string path = options_.TidyPath();
  if (FileExists(path)) hint += "\r\n\r\n" + TidyVersionCaption(tidyVersions_.Known(path));
  return Utf8ToWide(hint);
}

void TidyRunPart::ShowTidyInUse() {
  if (site_.ActivePage() != ControlId::TabSheet1) return;
  const std::string path = options_.TidyPath();
  const std::string text =
      FileExists(path) ? TidyInUseText(tidyVersions_.Known(path)) : std::string(about::kTidyNeeded);
  ::SetWindowTextW(site_.Control(ControlId::lTidyNeeded), Utf8ToWide(text).c_str());
}

// The run names its Tidy by its full path: asked by the same name, the
// answer is found again.
void TidyRunPart::AskTidyVersionEarly() { tidyVersions_.Start(FullPathName(options_.TidyPath())); }

}  // namespace markwash::win32
