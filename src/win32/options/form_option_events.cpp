// The dialog's option set events: the default set at the first showing, the
// option set buttons of both pages, the option rules on the user's clicks and
// the page synchronisation with the script.
#include "win32/dialog/markwash_form.h"

namespace markwash::win32 {

void TMarkwashForm::FormResize() { optionSets_->FormResize(); }
void TMarkwashForm::PagesChanging() { optionSets_->PagesChanging(); }
void TMarkwashForm::PagesChange() {
  optionSets_->PagesChange();
  ShowPendingRunOutput();
  if (ActivePageName() == "TabSheet1") ShowTidyInUse();
}

void TMarkwashForm::bSaveOptionsClick() { optionSets_->SaveOptions(); }
void TMarkwashForm::bLoadOptionsClick() { optionSets_->LoadOptions(); }
void TMarkwashForm::bResetOptionsClick() { optionSets_->ResetOptions(); }
void TMarkwashForm::bAsDefaultOptionsClick() { optionSets_->SaveAsDefault(); }

void TMarkwashForm::cbWrapClick() { optionSets_->BoxClicked("cbWrap"); }
void TMarkwashForm::cbCleanClick() { optionSets_->BoxClicked("cbClean"); }
void TMarkwashForm::cbAltTextClick() { optionSets_->BoxClicked("cbAltText"); }
void TMarkwashForm::cbInputXMLClick() { optionSets_->BoxClicked("cbInputXML"); }
void TMarkwashForm::cbLogicalEmphasisClick() { optionSets_->BoxClicked("cbLogicalEmphasis"); }
void TMarkwashForm::cbDocTypeChange() { optionSets_->DocTypeChange(); }

void TMarkwashForm::OnOptionCommand(std::string_view name, int code) {
  if (name != "cbDocType") return;
  if (code == CBN_EDITCHANGE) {
    Dispatch(&TMarkwashForm::cbDocTypeChange);
  } else if (code == CBN_SELCHANGE) {
    // The combo shows the picked item's text only after this notification.
    ::PostMessageW(window_, kDocTypePicked, 0, 0);
  }
}

OptionFormSite TMarkwashForm::MakeOptionFormSite() {
  return {
      [this] { return window_; },
      [this](std::string_view name) { return controls_.Get(name); },
      [this](bool bold) { return bold ? controls_.BoldFont() : controls_.NormalFont(); },
      [this] { return ActivePageName(); },
      [this](std::string_view name) { RunClickHandler(name); },
  };
}

}  // namespace markwash::win32
