// The dialog's creation and destruction handlers.
#include "core/common/paths.h"
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
}

void TMarkwashForm::FormDestroy() {
  InputLines.clear();
  OutputLines.clear();
}

}  // namespace markwash::win32
