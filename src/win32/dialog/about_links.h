// The links of the about page and its version label.
#pragma once
#include "win32/dialog/form_site.h"

namespace markwash::win32 {

class AboutLinks : public FormPart {
 public:
  explicit AboutLinks(FormSite& site);

 private:
  void lAuthorEmailClick();
  void lAuthorHPClick();
  void lTidySFClick();  // also the download link's

  FormSite& site_;
};

}  // namespace markwash::win32
