// Fakes of the dialog side of the option engine, shared by the unit tests and
// the fuzz target: controls in memory, a file system in a map, scripted
// answers to the questions, and a rig that wires them to an OptionEngine.
#pragma once
#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "core/common/error.h"
#include "core/dialog/numeric_text.h"
#include "core/options/option_engine.h"

namespace markwash::testing {

// The library's header resource as Latin-1 bytes, with our credit line.
inline const std::string kTestConfigHeader =
    "// Konfigurationsdatei f\xfcr HTML Tidy\r\n// erstellt vom Markwash Plugin fuer Lorvane's HTML-Editor\r\n"
    "// Markwash bringt HTML Tidy in den HTML-Editor\r\n";

class FakeOptionView : public OptionView {
 public:
  struct State {
    bool checked = false, enabled = true;
    int item = -1, position = 0;
    std::string text;
  };
  // Starts in the built states of the catalogue, as the layout does.
  FakeOptionView() {
    for (const OptionEntry& e : Catalogue())
      states[e.control] = {e.built.checked, e.built.enabled, e.built.item, e.built.position, std::string(e.built.text)};
  }
  bool Checked(OptionControl box) override { return states[box].checked; }
  void SetCheckedRaw(OptionControl box, bool checked) override { states[box].checked = checked; }
  bool Enabled(OptionControl control) override { return states[control].enabled; }
  void SetEnabled(OptionControl control, bool enabled) override { states[control].enabled = enabled; }
  int ItemIndex(OptionControl list) override { return states[list].item; }
  void SetItemIndex(OptionControl list, int item) override {
    const auto& items = Entry(list).items;
    states[list].item = item;
    states[list].text = item >= 0 && item < static_cast<int>(items.size()) ? std::string(items[item]) : "";
  }
  std::string Text(OptionControl control) override { return states[control].text; }
  void SetText(OptionControl control, std::string_view text) override {
    states[control].text = std::string(text);
    if (Entry(control).kind == ControlKind::EditableCombo) states[control].item = -1;
  }
  // The up-down and its field as under German number conventions.
  int Position(OptionControl updown) override {
    State& state = states[updown];
    return state.position = ReadUpDownPosition(states[Buddy(updown)].text, Range(updown), kGerman, state.position);
  }
  void SetPosition(OptionControl updown, int position) override {
    states[updown].position = position = std::clamp(position, Range(updown).min, Range(updown).max);
    states[Buddy(updown)].text = FormatUpDownPosition(position, kGerman);
  }
  std::string TidyPath() override { return tidy_path; }
  void SetTidyPath(std::string_view text, bool bold) override { tidy_path = text, tidy_path_bold = bold; }
  TextLines ScriptLines() override { return script; }
  void SetScriptLines(const TextLines& lines) override { script = lines; }

  std::map<OptionControl, State> states;
  std::string tidy_path{kTidyNotFoundText};
  bool tidy_path_bold = true;
  TextLines script;

 private:
  static constexpr NumberConventions kGerman{',', '.'};
  static UpDownRange Range(OptionControl updown) { return {Entry(updown).min, Entry(updown).max}; }
  static OptionControl Buddy(OptionControl updown) {
    return updown == OptionControl::udWrap ? OptionControl::eWrap : OptionControl::eIndentSpaces;
  }
};

class FakeOptionHost : public OptionHost {
 public:
  void AddFile(const std::string& name, const std::string& bytes = {}) { files[name] = bytes; }
  bool FileExists(const std::string& name) override { return probes.push_back(name), files.count(name) > 0; }
  std::string LibraryFileName() override { return "C:\\Plugins\\Markwash.dll"; }
  std::string CurrentDirectory() override { return "C:\\Work"; }
  std::string PathVariable() override { return path_variable; }
  bool IsDbcsLeadByte(unsigned char) override { return false; }
  std::string LoadFile(const std::string& name) override {
    if (!files.count(name) || locked.count(name)) throw Error("Cannot open file " + name);
    return files[name];
  }
  void SaveFile(const std::string& name, const std::string& bytes) override {
    if (locked.count(name)) throw Error("Cannot create file " + name);
    AddFile(name, bytes);
  }
  std::string ConfigHeader() override { return kTestConfigHeader; }
  // What the engine asked for, in order: N Tidy not found, L locate, S save
  // as default, P the posted click, R reset.
  bool AskTidyNotFound() override { return asked += 'N', not_found_answer; }
  void LocateTidy() override { asked += 'L', on_locate ? on_locate() : void(); }
  bool AskSaveDefault() override { return asked += 'S', save_default_answer; }
  void PostAsDefaultOptionsClick() override { asked += 'P'; }
  ResetAnswer AskResetOptions() override { return asked += 'R', reset_answer; }
  OptionPage ActivePage() override { return active_page; }

  std::map<std::string, std::string> files;
  std::string path_variable, asked;
  std::set<std::string> locked;  // files that exist but cannot be read or written
  std::vector<std::string> probes;
  bool not_found_answer = false, save_default_answer = false;
  ResetAnswer reset_answer = ResetAnswer::kCancel;
  std::function<void()> on_locate;
  OptionPage active_page = OptionPage::kOptions;
};

// One dialog's worth of option machinery, and what a user does with it.
struct OptionRig : CursorScreen {
  void SaveAndShowBusy() override {}
  void RestoreSaved() override {}
  TextLines Merge(TextLines lines) { return engine.WriteOptions(lines), lines; }
  // A user's click: the box toggles, then its handler runs.
  void Click(OptionControl box) { view.SetCheckedRaw(box, !view.Checked(box)), engine.Click(box); }
  // The user, asked, finds Tidy.exe at `path`.
  void LocateFinds(const std::string& path) {
    host.not_found_answer = true;
    host.on_locate = [this, path] { host.AddFile(path), view.SetTidyPath(path, false); };
  }

  FakeOptionView view;
  FakeOptionHost host;
  WaitCursor cursor{*this};
  OptionEngine engine{view, host, cursor};
};

}  // namespace markwash::testing
