// FormPlacement's handlers: the stored state comes back when the dialog is
// shown and is written when it closes, or when it is destroyed without a
// successful save.
#include "win32/dialog/form_placement.h"
#include "win32/dialog/markwash_form.h"

namespace markwash::win32 {

void TMarkwashForm::FormPlacementShow() { FormPlacement->RestoreDialogState(); }

void TMarkwashForm::FormPlacementClose() { FormPlacement->SaveDialogState(false); }

void TMarkwashForm::FormPlacementDestroy() {
  if (!FormPlacement->saved()) FormPlacement->SaveDialogState(true);
}

}  // namespace markwash::win32
