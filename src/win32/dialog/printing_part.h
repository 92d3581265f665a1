// Printing Tidy's messages from the page "Meldungen".
#pragma once
#include "win32/dialog/form_site.h"

namespace markwash::win32 {

class PrintingPart : public FormPart {
 public:
  explicit PrintingPart(FormSite& site);

 private:
  void bPrintErrorsClick();

  FormSite& site_;
};

}  // namespace markwash::win32
