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
#include "core/options/catalogue.h"
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
    for (const OptionEntry& entry : Catalogue()) {
      State& state = states_[entry.control];
      state.checked = entry.built.checked;
      state.enabled = entry.built.enabled;
      state.item = entry.built.item;
      state.text = std::string(entry.built.text);
      state.position = entry.built.position;
    }
    tidy_path_ = std::string(kTidyNotFoundText);
  }

  State& state(OptionControl control) { return states_[control]; }

  bool Checked(OptionControl box) override { return states_[box].checked; }
  void SetCheckedRaw(OptionControl box, bool checked) override { states_[box].checked = checked; }
  bool Enabled(OptionControl control) override { return states_[control].enabled; }
  void SetEnabled(OptionControl control, bool enabled) override {
    states_[control].enabled = enabled;
  }

  int ItemIndex(OptionControl list) override { return states_[list].item; }
  void SetItemIndex(OptionControl list, int item) override {
    State& state = states_[list];
    state.item = item;
    const auto& items = Entry(list).items;
    state.text = item >= 0 && item < static_cast<int>(items.size())
                     ? std::string(items[static_cast<std::size_t>(item)])
                     : std::string();
  }

  std::string Text(OptionControl control) override { return states_[control].text; }
  void SetText(OptionControl control, std::string_view text) override {
    State& state = states_[control];
    state.text = std::string(text);
    if (Entry(control).kind == ControlKind::EditableCombo) state.item = -1;
  }

  // The up-down and its field as under German number conventions: the
  // position is taken from the field when it holds a whole number in range.
  int Position(OptionControl updown) override {
    State& state = states_[updown];
    state.position = ReadUpDownPosition(states_[Buddy(updown)].text, Range(updown), kGerman,
                                        state.position);
    return state.position;
  }
  void SetPosition(OptionControl updown, int position) override {
    position = std::clamp(position, Entry(updown).min, Entry(updown).max);
    states_[updown].position = position;
    states_[Buddy(updown)].text = FormatUpDownPosition(position, kGerman);
  }

  std::string TidyPath() override { return tidy_path_; }
  void SetTidyPath(std::string_view text, bool bold) override {
    tidy_path_ = std::string(text);
    tidy_path_bold_ = bold;
  }
  bool TidyPathBold() const { return tidy_path_bold_; }

  TextLines ScriptLines() override { return script_; }
  void SetScriptLines(const TextLines& lines) override {
    if (JoinLines(lines).size() > script_capacity_) throw Error("Text exceeds memo capacity");
    script_ = lines;
  }
  TextLines& script() { return script_; }
  void set_script_capacity(std::size_t bytes) { script_capacity_ = bytes; }

 private:
  static constexpr NumberConventions kGerman{',', '.'};
  static UpDownRange Range(OptionControl updown) { return {Entry(updown).min, Entry(updown).max}; }
  static OptionControl Buddy(OptionControl updown) {
    return updown == OptionControl::udWrap ? OptionControl::eWrap : OptionControl::eIndentSpaces;
  }

  std::map<OptionControl, State> states_;
  std::string tidy_path_;
  bool tidy_path_bold_ = true;
  TextLines script_;
  std::size_t script_capacity_ = static_cast<std::size_t>(-1);
};

class FakeOptionHost : public OptionHost {
 public:
  // Files are found without regard to ASCII case, as on Windows.
  void AddFile(const std::string& name, const std::string& bytes = {}) { files_[Fold(name)] = bytes; }
  void RemoveFile(const std::string& name) { files_.erase(Fold(name)); }
  bool HasFile(const std::string& name) const { return files_.count(Fold(name)) > 0; }
  std::string FileText(const std::string& name) const {
    const auto it = files_.find(Fold(name));
    return it == files_.end() ? std::string() : it->second;
  }

  bool FileExists(const std::string& name) override {
    probes.push_back(name);
    return HasFile(name);
  }
  std::string LibraryFileName() override { return library_file; }
  std::string CurrentDirectory() override { return current_directory; }
  std::string PathVariable() override { return path_variable; }
  // Shift-JIS lead bytes.
  bool IsDbcsLeadByte(unsigned char byte) override {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
  }

  std::string LoadFile(const std::string& name) override {
    if (unreadable.count(name) > 0 || !HasFile(name)) throw Error("Cannot open file " + name);
    return FileText(name);
  }
  void SaveFile(const std::string& name, const std::string& bytes) override {
    if (unwritable.count(name) > 0) throw Error("Cannot create file " + name);
    AddFile(name, bytes);
  }
  std::string ConfigHeader() override { return header; }

  bool AskTidyNotFound() override {
    ++not_found_questions;
    return not_found_answer;
  }
  bool AskSaveDefault() override {
    ++save_default_questions;
    return save_default_answer;
  }
  ResetAnswer AskResetOptions() override {
    ++reset_questions;
    return reset_answer;
  }
  void LocateTidy() override {
    ++locates;
    if (on_locate) on_locate();
  }
  void PostAsDefaultOptionsClick() override { ++posted_default_clicks; }
  OptionPage ActivePage() override { return active_page; }

  std::string library_file = "C:\\Plugins\\Markwash.dll";
  std::string current_directory = "C:\\Work";
  std::string path_variable;
  std::string header = kTestConfigHeader;
  std::set<std::string> unreadable;
  std::set<std::string> unwritable;
  bool not_found_answer = false;
  bool save_default_answer = false;
  ResetAnswer reset_answer = ResetAnswer::kCancel;
  std::function<void()> on_locate;
  OptionPage active_page = OptionPage::kOptions;

  std::vector<std::string> probes;
  int not_found_questions = 0;
  int save_default_questions = 0;
  int reset_questions = 0;
  int locates = 0;
  int posted_default_clicks = 0;

 private:
  static std::string Fold(std::string name) {
    for (char& c : name) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return name;
  }
  std::map<std::string, std::string> files_;
};

class FakeCursorScreen : public CursorScreen {
 public:
  void SaveAndShowBusy() override { ++shown; }
  void RestoreSaved() override { ++restored; }
  int shown = 0;
  int restored = 0;
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
