// Setting the option controls from the configuration script, and loading.
#include <string>

#include "core/common/whole_number.h"
#include "core/options/config_lines.h"
#include "core/options/doctype_value.h"
#include "core/options/option_engine.h"
#include "core/options/tidy_values.h"
#include "core/runner/search_list.h"
#include "core/runner/tidy_location.h"

namespace markwash {
namespace {

using C = OptionControl;

constexpr int kDefaultIndentSpaces = 2;
constexpr int kIndentNo = 0;
constexpr int kIndentYes = 1;
constexpr int kIndentAuto = 2;
constexpr int kAutoDocType = 1;
constexpr int kAsciiEncoding = 1;

// The item whose value equals the text exactly, or -1.
int ItemOfValue(C list, std::string_view value) {
  const auto& values = Entry(list).values;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i] == value) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

// Rule N boxes stay checked unless Tidy reads "no"; rule Y boxes are checked
// only when Tidy reads "yes".
void OptionEngine::ReadBox(const TextLines& lines, OptionControl box) {
  const TidyChoice choice = ReadTidyChoice(GetKeyValue(lines, Entry(box).key));
  SetChecked(box, Entry(box).rule == ReadRule::kN ? choice != TidyChoice::kNo
                                                  : choice == TidyChoice::kYes);
}

void OptionEngine::ReadTidyPath(const TextLines& lines) {
  const std::string path = GetKeyValue(lines, Entry(C::lTidyPath).key);
  if (!path.empty() && host_.FileExists(path)) {
    view_.SetTidyPath(path, false);
    return;
  }
  // A path the label already knows outlives an option set that names none,
  // so that the stored dialog state does not lose it.
  if (host_.FileExists(view_.TidyPath())) {
    view_.SetTidyPath(view_.TidyPath(), false);  // made a full path by the view
    return;
  }

  const LeadBytePredicate is_lead_byte = [this](unsigned char byte) {
    return host_.IsDbcsLeadByte(byte);
  };
  const std::string list = BuildSearchList(host_.LibraryFileName(), host_.CurrentDirectory(),
                                           host_.PathVariable(), is_lead_byte);
  const std::string found = SearchFile(
      kTidyExeFileName, list, [this](const std::string& name) { return host_.FileExists(name); },
      is_lead_byte);
  if (!found.empty()) {
    view_.SetTidyPath(found, false);
    return;
  }
  // The label shows either an existing file or the not-found text.
  view_.SetTidyPath(kTidyNotFoundText, true);
  if (!host_.AskTidyNotFound()) return;
  host_.LocateTidy();
  if (host_.FileExists(view_.TidyPath()) && host_.AskSaveDefault()) {
    PostAsDefaultSave();
  }
}

void OptionEngine::ReadWrap(const TextLines& lines) {
  const std::string wrap = GetKeyValue(lines, Entry(C::udWrap).key);
  const int width = wrap.empty() ? kDefaultWrapWidth : WholeNumberOrThrow(wrap);
  if (wrap == "0") {
    view_.SetPosition(C::udWrap, 0);
    SetChecked(C::cbWrap, false);
    const std::string remembered = GetKeyValue(lines, Entry(C::udWrap).comment_key);
    remembered_wrap_width_ = remembered.empty() ? 0 : WholeNumberOrThrow(remembered);
  } else {
    SetChecked(C::cbWrap, true);
    view_.SetPosition(C::udWrap, width);
  }
}

void OptionEngine::ReadAltText(const TextLines& lines) {
  const auto& entry = Entry(C::cbAltText);
  if (FindKeyLine(lines, entry.key) >= 0) {
    SetChecked(C::cbAltText, true);
    view_.SetText(C::eAltText, GetKeyValue(lines, entry.key));
  } else {
    SetChecked(C::cbAltText, false);
    view_.SetText(C::eAltText, GetKeyValue(lines, entry.comment_key));
  }
}

void OptionEngine::ReadDocType(const TextLines& lines) {
  const std::string value = GetKeyValue(lines, Entry(C::cbDocType).key);
  const int item = ItemOfValue(C::cbDocType, value);
  if (value.empty()) {
    view_.SetItemIndex(C::cbDocType, kAutoDocType);
  } else if (item >= 0) {
    view_.SetItemIndex(C::cbDocType, item);
  } else if (value.front() == '"') {
    view_.SetText(C::cbDocType, UnquoteDocType(value));
  } else {
    view_.SetText(C::cbDocType, value);
  }
  cbDocTypeChange();
}

void OptionEngine::ReadCharEncoding(const TextLines& lines) {
  const std::string value = GetKeyValue(lines, Entry(C::cbCharEncoding).key);
  int item = -1;
  if (value.empty()) {
    item = kAsciiEncoding;
  } else {
    const auto& items = Entry(C::cbCharEncoding).items;
    for (std::size_t i = 0; i < items.size() && item < 0; ++i) {
      if (EqualsIgnoreAsciiCase(items[i], value)) item = static_cast<int>(i);
    }
  }
  view_.SetItemIndex(C::cbCharEncoding, item);
}

// The order matters: the click rules see the states set before them, and a
// bad wrap width stops reading with the earlier steps in effect.
void OptionEngine::ReadOptions(const TextLines& lines) {
  WaitCursorScope busy(cursor_);
  for (const OptionControl control : ReadingOrder()) ReadControl(lines, Entry(control));
}

void OptionEngine::ReadControl(const TextLines& lines, const OptionEntry& entry) {
  switch (entry.control) {
    case C::lTidyPath: ReadTidyPath(lines); break;
    case C::cbWrap: ReadWrap(lines); break;
    case C::cbIndent: {
      const TidyChoice indent = ReadTidyChoice(GetKeyValue(lines, entry.key));
      int indent_item = kIndentNo;
      if (indent == TidyChoice::kYes) indent_item = kIndentYes;
      if (indent == TidyChoice::kAuto) indent_item = kIndentAuto;
      view_.SetItemIndex(C::cbIndent, indent_item);
      break;
    }
    case C::udIndentSpaces: {
      const std::string spaces = GetKeyValue(lines, entry.key);
      if (spaces.empty()) {
        view_.SetPosition(C::udIndentSpaces, kDefaultIndentSpaces);
      } else {
        view_.SetText(C::eIndentSpaces, spaces);
      }
      break;
    }
    case C::cbAltText: ReadAltText(lines); break;
    case C::eNewInlineTags:
    case C::eNewBlocklevelTags:
    case C::eNewEmptyTags:
    case C::eNewPreTags: view_.SetText(entry.control, GetKeyValue(lines, entry.key)); break;
    case C::cbAssumeXmlProcins: {
      const TidyChoice procins = ReadTidyChoice(GetKeyValue(lines, entry.key));
      SetChecked(C::cbAssumeXmlProcins,
                 procins == TidyChoice::kYes || (procins != TidyChoice::kNo && view_.Checked(C::cbInputXML)));
      break;
    }
    case C::cbDocType: ReadDocType(lines); break;
    case C::cbCharEncoding: ReadCharEncoding(lines); break;
    default:
      if (entry.rule == ReadRule::kY || entry.rule == ReadRule::kN) ReadBox(lines, entry.control);
      break;
  }
}

void OptionEngine::LoadOptionSet(const std::string& file_name) {
  TextLines lines;
  if (!file_name.empty() && host_.FileExists(file_name)) {
    lines = SplitLines(host_.LoadFile(file_name));
  }
  view_.SetScriptLines(lines);
  ReadOptions(lines);
}

}  // namespace markwash
