// Fakes of the dialog side of the option engine, shared by the unit tests and
// the fuzz target: controls in memory, a file system in a map, scripted
// answers to the questions, and a rig that wires them to an OptionEngine.
#pragma once
#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/common/error.h"
#include "core/common/wait_cursor.h"
#include "core/dialog/numeric_text.h"
#include "core/options/option_engine.h"
#include "core/options/option_view.h"

namespace markwash::testing {

// The library's header resource as Latin-1 bytes, with our credit line.
inline const std::string kTestConfigHeader =
    "// Konfigurationsdatei f\xfcr HTML Tidy\r\n"
    "// erstellt vom Markwash Plugin fuer Lorvane's HTML-Editor\r\n"
    "// Markwash bringt HTML Tidy in den HTML-Editor\r\n";

class FakeOptionView : public OptionView {
 public:
  struct State {
    bool checked = false;
    bool enabled = true;
    int item = -1;
    std::string text;
    int position = 0;
  };

  // Starts in the built states of the catalogue, as the layout does.
  FakeOptionView() {
    for (const OptionEntry& e : Catalogue()) {
      states_[e.control] = {e.built.checked, e.built.enabled, e.built.item, std::string(e.built.text),
                            e.built.position};
    }
  }

  State& state(OptionControl control) { return states_[control]; }

  bool Checked(OptionControl box) override { return states_[box].checked; }
  void SetCheckedRaw(OptionControl box, bool checked) override { states_[box].checked = checked; }
  bool Enabled(OptionControl control) override { return states_[control].enabled; }
  void SetEnabled(OptionControl control, bool enabled) override { states_[control].enabled = enabled; }
  int ItemIndex(OptionControl list) override { return states_[list].item; }
  void SetItemIndex(OptionControl list, int item) override {
    const auto& items = Entry(list).items;
    states_[list].item = item;
    states_[list].text = item >= 0 && item < static_cast<int>(items.size()) ? std::string(items[item]) : "";
  }
  std::string Text(OptionControl control) override { return states_[control].text; }
  void SetText(OptionControl control, std::string_view text) override {
    states_[control].text = std::string(text);
    if (Entry(control).kind == ControlKind::EditableCombo) states_[control].item = -1;
  }

  // The up-down and its field as under German number conventions: the
  // position is taken from the field when it holds a whole number in range.
  int Position(OptionControl updown) override {
    State& state = states_[updown];
    return state.position = ReadUpDownPosition(states_[Buddy(updown)].text, Range(updown), kGerman, state.position);
  }
  void SetPosition(OptionControl updown, int position) override {
    states_[updown].position = position = std::clamp(position, Entry(updown).min, Entry(updown).max);
    states_[Buddy(updown)].text = FormatUpDownPosition(position, kGerman);
  }

  std::string TidyPath() override { return tidy_path_; }
  void SetTidyPath(std::string_view text, bool bold) override { tidy_path_ = text, tidy_path_bold = bold; }
  TextLines ScriptLines() override { return script_; }
  void SetScriptLines(const TextLines& lines) override { script_ = lines; }
  TextLines& script() { return script_; }

  bool tidy_path_bold = true;

 private:
  static constexpr NumberConventions kGerman{',', '.'};
  static UpDownRange Range(OptionControl updown) { return {Entry(updown).min, Entry(updown).max}; }
  static OptionControl Buddy(OptionControl updown) {
    return updown == OptionControl::udWrap ? OptionControl::eWrap : OptionControl::eIndentSpaces;
  }

  std::map<OptionControl, State> states_;
  std::string tidy_path_{kTidyNotFoundText};
  TextLines script_;
};

class FakeOptionHost : public OptionHost {
 public:
  // Files are found without regard to ASCII case, as on Windows.
  void AddFile(const std::string& name, const std::string& bytes = {}) { files_[Fold(name)] = bytes; }
  std::string FileText(const std::string& name) const {
    const auto it = files_.find(Fold(name));
    return it == files_.end() ? std::string() : it->second;
  }

  bool FileExists(const std::string& name) override {
    probes.push_back(name);
    return files_.count(Fold(name)) > 0;
  }
  std::string LibraryFileName() override { return "C:\\Plugins\\Markwash.dll"; }
  std::string CurrentDirectory() override { return "C:\\Work"; }
  std::string PathVariable() override { return path_variable; }
  bool IsDbcsLeadByte(unsigned char) override { return false; }

  std::string LoadFile(const std::string& name) override {
    if (unreadable.count(name) > 0 || files_.count(Fold(name)) == 0) throw Error("Cannot open file " + name);
    return FileText(name);
  }
  void SaveFile(const std::string& name, const std::string& bytes) override {
    if (unwritable.count(name) > 0) throw Error("Cannot create file " + name);
    AddFile(name, bytes);
  }
  std::string ConfigHeader() override { return kTestConfigHeader; }

  bool AskTidyNotFound() override { return ++not_found_questions, not_found_answer; }
  bool AskSaveDefault() override { return ++save_default_questions, save_default_answer; }
  ResetAnswer AskResetOptions() override { return ++reset_questions, reset_answer; }
  void LocateTidy() override {
    ++locates;
    if (on_locate) on_locate();
  }
  void PostAsDefaultOptionsClick() override { ++posted_default_clicks; }
  OptionPage ActivePage() override { return active_page; }

  std::string path_variable;
  std::set<std::string> unreadable, unwritable;
  bool not_found_answer = false, save_default_answer = false;
  ResetAnswer reset_answer = ResetAnswer::kCancel;
  std::function<void()> on_locate;
  OptionPage active_page = OptionPage::kOptions;

  std::vector<std::string> probes;
  int not_found_questions = 0, save_default_questions = 0, reset_questions = 0, locates = 0,
      posted_default_clicks = 0;

 private:
  static std::string Fold(std::string name) {
    for (char& c : name) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return name;
  }
  std::map<std::string, std::string> files_;
};

struct FakeCursorScreen : CursorScreen {
  void SaveAndShowBusy() override {}
  void RestoreSaved() override {}
};

// One dialog's worth of option machinery.
struct OptionRig {
  FakeOptionView view;
  FakeOptionHost host;
  FakeCursorScreen screen;
  WaitCursor cursor{screen};
  OptionEngine engine{view, host, cursor};
};

}  // namespace markwash::testing
