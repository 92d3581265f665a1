// The dialog's creation and destruction handlers.
#include "core/common/paths.h"
#include "core/dialog/about_page_texts.h"
#include "win32/common/text_encoding.h"
#include "win32/common/unique_handle.h"
#include "win32/dialog/link_label.h"
#include "win32/dialog/markwash_form.h"
#include "win32/plugin/application.h"
#include "win32/plugin/module.h"

namespace markwash::win32 {

void TMarkwashForm::FormCreate() {
  TheApplication().hintHidePauseMs = 10000;
  DefaultOptionFileName = ChangeExtension(LibraryFileName(), ".cfg");
  placementFileName_ = ChangeExtension(LibraryFileName(), ".ini");
  InputLines.clear();
  OutputLines.clear();
  // The path label underlines itself under the mouse pointer: its hover font
  // is its own font with underline.
  TLinkLabel& path = *TLinkLabel::Of(Control("lTidyPath"));
  LOGFONTW font{};
  ::GetObjectW(path.Font(), sizeof font, &font);
  font.lfUnderline = TRUE;
  UniqueFont underlined(::CreateFontIndirectW(&font));
  path.SetHoverFont(underlined.get());
  path.SetHoverFontUsed(true);
  controls_.Hints().SetLiveText(Control("lTidyPath"), [this] { return TidyPathHint(); });
  ::SetWindowTextW(Control("lAboutVersion"), Utf8ToWide(about::kVersionCaption).c_str());
}

void TMarkwashForm::FormDestroy() {
  InputLines.clear();
  OutputLines.clear();
}

}  // namespace markwash::win32
