// The rules that keep dependent option controls consistent.
#include "core/options/config_lines.h"
#include "core/options/option_engine.h"

namespace markwash {
namespace {

using C = OptionControl;

}  // namespace

void OptionEngine::SetChecked(OptionControl box, bool checked) {
  if (view_.Checked(box) == checked) return;
  view_.SetCheckedRaw(box, checked);
  Click(box);
}

void OptionEngine::Click(OptionControl box) {
  switch (box) {
    case C::cbWrap: cbWrapClick(); break;
    case C::cbClean: cbCleanClick(); break;
    case C::cbAltText: cbAltTextClick(); break;
    case C::cbInputXML: cbInputXMLClick(); break;
    case C::cbLogicalEmphasis: cbLogicalEmphasisClick(); break;
    default: break;
  }
}

void OptionEngine::cbWrapClick() {
  const bool wrapping = view_.Checked(C::cbWrap);
  for (const C control : {C::lWrap, C::udWrap, C::eWrap}) view_.SetEnabled(control, wrapping);
  if (wrapping) {
    view_.SetPosition(C::udWrap,
                      remembered_wrap_width_ != 0 ? remembered_wrap_width_ : kDefaultWrapWidth);
  } else {
    remembered_wrap_width_ = view_.Position(C::udWrap);
    view_.SetPosition(C::udWrap, 0);
  }
}

void OptionEngine::cbCleanClick() {
  view_.SetEnabled(C::cbDropFontTags, view_.Checked(C::cbClean));
}

void OptionEngine::cbAltTextClick() {
  view_.SetEnabled(C::eAltText, view_.Checked(C::cbAltText));
}

void OptionEngine::cbInputXMLClick() {
  SetChecked(C::cbAssumeXmlProcins, view_.Checked(C::cbInputXML));
}

// Logical emphasis works on Tidy's clean-up, so checking it checks "Clean".
void OptionEngine::cbLogicalEmphasisClick() {
  if (view_.Checked(C::cbLogicalEmphasis)) SetChecked(C::cbClean, true);
}

void OptionEngine::cbDocTypeChange() {
  const std::string text = view_.Text(C::cbDocType);
  const auto& items = Entry(C::cbDocType).items;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!EqualsIgnoreAsciiCase(text, items[i])) continue;
    if (view_.ItemIndex(C::cbDocType) != static_cast<int>(i)) {
      view_.SetItemIndex(C::cbDocType, static_cast<int>(i));
    }
    return;
  }
}

}  // namespace markwash
