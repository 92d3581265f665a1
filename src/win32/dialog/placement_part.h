// FormPlacement: the dialog's state comes back from the placement file when
// the dialog is shown and is written when it closes, or when it is destroyed
// without a successful save.
#pragma once
#include <string>

#include "win32/dialog/control_set.h"
#include "win32/dialog/form_placement.h"
#include "win32/dialog/form_site.h"

namespace markwash::win32 {

class PlacementPart : public FormPart {
 public:
  PlacementPart(FormSite& site, ControlSet& controls);

 private:
  void FormPlacementShow();
  // The restored window state, or centred on the primary screen.
  void PlaceUnlessRestored();
  void FormPlacementClose();
  void FormPlacementDestroy();

  FormSite& site_;
  std::string placementFileName_;
  TFormStorage FormPlacement;
};

}  // namespace markwash::win32
