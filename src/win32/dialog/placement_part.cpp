#include "win32/dialog/placement_part.h"

#include "core/common/paths.h"
#include "win32/common/module.h"

namespace markwash::win32 {

PlacementPart::PlacementPart(FormSite& site, ControlSet& controls)
    : site_(site),
      placementFileName_(ChangeExtension(LibraryFileName(), ".ini")),
      FormPlacement(site.Window(), controls, placementFileName_) {
  site.OnEvent(FormEvent::Show, [this] { FormPlacementShow(); });
  // Apart, so that a failed restore still shows the window as it should.
  site.OnEvent(FormEvent::Show, [this] { PlaceUnlessRestored(); });
  site.OnEvent(FormEvent::Close, [this] { FormPlacementClose(); });
  site.OnEvent(FormEvent::Destroy, [this] { FormPlacementDestroy(); });
}

void PlacementPart::FormPlacementShow() { FormPlacement.RestoreDialogState(); }

void PlacementPart::PlaceUnlessRestored() {
  site_.SetShowCommand(FormPlacement.ShowCommand());
  if (FormPlacement.placed()) return;
  // Nothing stored: centred on the primary screen.
  HWND window = site_.Window();
  RECT r;
  ::GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  ::SetWindowPos(window, nullptr, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlacementPart::FormPlacementClose() { FormPlacement.SaveDialogState(false); }

void PlacementPart::FormPlacementDestroy() {
  if (!FormPlacement.saved()) FormPlacement.SaveDialogState(true);
}

}  // namespace markwash::win32
