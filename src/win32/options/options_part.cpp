#include "win32/options/options_part.h"

#include "core/dialog/option_faces.h"
#include "core/options/option_texts.h"
#include "win32/common/unique_handle.h"
#include "win32/dialog/link_label.h"

namespace markwash::win32 {
namespace {

// The path label underlines itself under the mouse pointer: its hover font
// is its own font with underline.
void UnderlineOnHover(HWND pathLabel) {
  TLinkLabel& path = *TLinkLabel::Of(pathLabel);
  LOGFONTW font{};
  ::GetObjectW(path.Font(), sizeof font, &font);
  font.lfUnderline = TRUE;
  UniqueFont underlined(::CreateFontIndirectW(&font));
  path.SetHoverFont(underlined.get());
  path.SetHoverFontUsed(true);
}

}  // namespace

OptionsPart::OptionsPart(FormSite& site)
    : site_(site),
      view_(site),
      host_(site),
      engine_(view_, host_, site.Cursor()),
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
    if (entry.kind != OptionKind::kCheckBox) continue;
    site.OnClick(ControlOf(entry.control), [this, box = entry.control] { engine_.Click(box); });
  }
  site.OnNotification(ControlId::cbDocType, CBN_EDITCHANGE, [this] { cbDocTypeChange(); });
  // The combo shows the picked item's text only after this notification.
  site.OnNotification(ControlId::cbDocType, CBN_SELCHANGE, [this] { site_.Post([this] { cbDocTypeChange(); }); });
  UnderlineOnHover(site.Control(ControlId::lTidyPath));
}

void OptionsPart::bSaveOptionsClick() {
  if (const auto name = SaveOptionsDialog.Execute(site_.Window())) engine_.SaveOptionSet(*name);
}

void OptionsPart::bLoadOptionsClick() {
  if (const auto name = OpenOptionsDialog.Execute(site_.Window())) engine_.LoadOptionSet(*name);
}

}  // namespace markwash::win32
