// The page "Meldungen" beyond printing: the message view shows the lines the
// form keeps, and the preview under it follows the current message to its
// place in the host's document.
#pragma once
#include "win32/dialog/form_site.h"

namespace markwash::win32 {

class MessagesPart : public FormPart {
 public:
  explicit MessagesPart(FormSite& site);

 private:
  void mErrorsCurrentChanged();
  void mErrorsOpened();
  void mSourceLeft();
  void Focus(ControlId id) const;

  FormSite& site_;
};

}  // namespace markwash::win32
