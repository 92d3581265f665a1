// Merging the option controls into the configuration script, and saving.
#include <string>

#include "core/options/config_lines.h"
#include "core/options/doctype_value.h"
#include "core/options/option_engine.h"
#include "core/options/tidy_values.h"

namespace markwash {
namespace {

using C = OptionControl;

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// The text of the selected item's value, "" when none is selected.
std::string SelectedValue(OptionView& view, C list) {
  const auto& values = Entry(list).values;
  const int item = view.ItemIndex(list);
  if (item < 0 || item >= static_cast<int>(values.size())) return {};
  return std::string(values[static_cast<std::size_t>(item)]);
}

}  // namespace

void OptionEngine::WriteBox(TextLines& lines, OptionControl box) {
  SetOrDeleteKey(lines, Entry(box).key, view_.Checked(box) ? "yes" : "no");
}

// Tidy's own keywords stay bare: quoted, Tidy would take "html5" for the
// name of a document type and write none.
void OptionEngine::WriteDocType(TextLines& lines) {
  std::string value = SelectedValue(view_, C::cbDocType);
  if (value.empty()) {
    const std::string text = view_.Text(C::cbDocType);
    if (text.empty()) {
      value = "auto";
    } else if (IsTidyDocTypeKeyword(text)) {
      value = std::string(TrimValue(text));  // as it will read back
    } else {
      value = QuoteDocType(text);
    }
  }
  SetOrDeleteKey(lines, Entry(C::cbDocType).key, value);
}

// A path that names no file leaves an existing path line alone.
void OptionEngine::WriteTidyPath(TextLines& lines) {
  const std::string path = view_.TidyPath();
  if (host_.FileExists(path)) SetOrDeleteKey(lines, Entry(C::lTidyPath).key, path);
}

void OptionEngine::WriteOptions(TextLines& lines) {
  WaitCursorScope busy(cursor_);

  // A changed header stays below the full one: the script is never rebuilt.
  const std::string header = host_.ConfigHeader();
  if (!StartsWith(JoinLines(lines), header)) {
    TextLines top = SplitLines(header);
    top.emplace_back();
    lines.insert(lines.begin(), top.begin(), top.end());
  }

  for (const OptionEntry& entry : Catalogue()) WriteControl(lines, entry);
}

// Each control's key goes in at its row: on an empty script the rows give the
// order of the lines.
void OptionEngine::WriteControl(TextLines& lines, const OptionEntry& entry) {
  switch (entry.control) {
    case C::lTidyPath: WriteTidyPath(lines); break;
    case C::cbWrap: WriteWrap(lines); break;
    case C::cbIndent: {
      // With no item selected the indent line is left as it stands.
      const std::string indent = SelectedValue(view_, C::cbIndent);
      if (!indent.empty()) SetOrDeleteKey(lines, entry.key, indent);
      break;
    }
    case C::udIndentSpaces: SetOrDeleteKey(lines, entry.key, std::to_string(view_.Position(C::udIndentSpaces))); break;
    case C::cbAltText: WriteAltText(lines); break;
    case C::eNewInlineTags:
    case C::eNewBlocklevelTags:
    case C::eNewEmptyTags:
    case C::eNewPreTags: SetOrDeleteKey(lines, entry.key, view_.Text(entry.control)); break;
    case C::cbDocType: WriteDocType(lines); break;
    case C::cbCharEncoding: {
      // An encoding the list does not show (read from the script) stays as typed.
      const std::string encoding = SelectedValue(view_, C::cbCharEncoding);
      if (!encoding.empty()) SetOrDeleteKey(lines, entry.key, encoding);
      break;
    }
    default:
      if (entry.kind == ControlKind::CheckBox) WriteBox(lines, entry.control);
      break;
  }
}

void OptionEngine::WriteWrap(TextLines& lines) {
  SetOrDeleteKey(lines, Entry(C::udWrap).key, std::to_string(view_.Position(C::udWrap)));
  if (view_.Checked(C::cbWrap)) {
    DeleteKey(lines, Entry(C::udWrap).comment_key);
  } else {
    SetOrDeleteKey(lines, Entry(C::udWrap).comment_key, std::to_string(remembered_wrap_width_));
  }
}

void OptionEngine::WriteAltText(TextLines& lines) {
  const std::string alt_text = view_.Text(C::eAltText);
  if (view_.Checked(C::cbAltText)) {
    SetKey(lines, Entry(C::cbAltText).key, alt_text);
    DeleteKey(lines, Entry(C::cbAltText).comment_key);
  } else {
    DeleteKey(lines, Entry(C::cbAltText).key);
    SetOrDeleteKey(lines, Entry(C::cbAltText).comment_key, alt_text);
  }
}

void OptionEngine::MergeScript() {
  TextLines lines = view_.ScriptLines();
  WriteOptions(lines);
  view_.SetScriptLines(lines);
}

void OptionEngine::SaveOptionSet(const std::string& file_name) {
  // Only on "Config-Datei" is the script the place of truth; on every other
  // page (a run may start from any) the controls are, so they are merged.
  if (host_.ActivePage() != OptionPage::kConfig) MergeScript();
  host_.SaveFile(file_name, JoinLines(view_.ScriptLines()));
}

}  // namespace markwash
