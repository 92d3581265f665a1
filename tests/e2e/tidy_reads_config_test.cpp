// The real Tidy.exe reads what the configuration writer writes: the factory
// settings and every option changed from them, one at a time, give Tidy no
// configuration problem except for the keys that this Tidy version no longer
// knows, and each of those is still reported, so the list stays true.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "../support/fake_options.h"
#include "rig/rig.h"

namespace {

using markwash::ControlKind;
using markwash::OptionControl;
using markwash::testing::OptionRig;

// Keys of the dialog that Tidy 5.6 answers with "Config: unknown option: %s".
const std::set<std::string> kKeysTidyNoLongerKnows = {"hide-endtags", "drop-font-tags", "add-xml-pi"};

struct Variant {
  std::string name;
  std::function<void(OptionRig&)> change;
};

// The factory settings, then each option control set away from them.
std::vector<Variant> Variants() {
  std::vector<Variant> variants = {{"factory", [](OptionRig&) {}}};
  for (const markwash::OptionEntry& entry : markwash::Catalogue()) {
    const OptionControl c = entry.control;
    const std::string name(entry.name);
    switch (entry.kind) {
      case ControlKind::CheckBox:
        // Through the engine, so that dependent controls follow as in the dialog.
        variants.push_back({name, [c](OptionRig& r) { r.engine.SetChecked(c, !r.view.Checked(c)); }});
        break;
      case ControlKind::DropDownList:
      case ControlKind::EditableCombo:
        for (int item = 0; item < static_cast<int>(entry.items.size()); ++item) {
          variants.push_back({name + " item " + std::to_string(item),
                              [c, item](OptionRig& r) { r.view.SetItemIndex(c, item); }});
        }
        if (entry.kind == ControlKind::EditableCombo) {
          variants.push_back({name + " typed", [c](OptionRig& r) {
                                r.view.SetText(c, "-//W3C//DTD HTML 4.01 \"Strict\"//EN");
                              }});
        }
        break;
      case ControlKind::Edit:
        variants.push_back({name, [c](OptionRig& r) {
                              if (c == OptionControl::eAltText) r.engine.SetChecked(OptionControl::cbAltText, true);
                              r.view.SetText(c, c == OptionControl::eAltText ? "Bild ohne Text" : "mytag, othertag");
                            }});
        break;
      case ControlKind::UpDown:
        variants.push_back({name, [c](OptionRig& r) { r.view.SetPosition(c, c == OptionControl::udWrap ? 1000 : 4); }});
        break;
      case ControlKind::LinkLabel:
        variants.push_back({name, [](OptionRig& r) { r.view.SetTidyPath("C:\\Programme\\Tidy\\Tidy.exe", false); }});
        break;
      default:
        break;
    }
  }
  // Wrapping off, then on again: "wrap: 0" with the remembered "// wrap".
  variants.push_back({"cbWrap off and on", [](OptionRig& r) {
                        r.engine.SetChecked(OptionControl::cbWrap, false);
                        r.engine.SetChecked(OptionControl::cbWrap, true);
                        r.engine.SetChecked(OptionControl::cbWrap, false);
                      }});
  return variants;
}

std::string ConfigText(const Variant& variant) {
  OptionRig r;
  r.engine.LoadOptionSet({});
  variant.change(r);
  markwash::TextLines lines = r.view.ScriptLines();
  r.engine.WriteOptions(lines);
  return markwash::JoinLines(lines);
}

// Runs Tidy on a small document with the configuration; all it prints.
// Each run has files of its own: an ended Tidy may hold its handles a moment longer.
std::string RunTidy(const std::wstring& folder, int run, const std::string& config) {
  const std::wstring configFile = folder + L"options" + std::to_wstring(run) + L".cfg";
  const std::wstring document = folder + L"document.html";
  const std::wstring output = folder + L"tidy-output" + std::to_wstring(run) + L".txt";
  rig::WriteFileBytes(configFile, config);
  if (run == 0) rig::WriteFileBytes(document, "<title>t</title><p>Hallo <b>Welt</b>");
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE sink = ::CreateFileW(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (sink == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot create " << rig::Narrow(output);
    return {};
  }
  std::wstring command = L"\"" + rig::BuiltTidyPath() + L"\" -config \"" + configFile + L"\" -q -e \"" + document + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nullptr;
  startup.hStdOutput = sink;
  startup.hStdError = sink;
  PROCESS_INFORMATION process{};
  const BOOL started =
      ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                       &process);
  ::CloseHandle(sink);
  if (!started) {
    ADD_FAILURE() << "cannot start " << rig::Narrow(rig::BuiltTidyPath());
    return {};
  }
  if (::WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
    ::TerminateProcess(process.hProcess, 1);
    ADD_FAILURE() << "Tidy did not finish";
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return rig::ReadFileBytes(output);
}

TEST(TidyReadsConfig, EveryOptionIsReadWithoutComplaint) {
  rig::PluginFolder plugin("tidy-reads-config");
  std::set<std::string> unknownReported;
  const std::vector<Variant> variants = Variants();
  for (int run = 0; run < static_cast<int>(variants.size()); ++run) {
    const Variant& variant = variants[static_cast<size_t>(run)];
    SCOPED_TRACE(variant.name);
    const std::string config = ConfigText(variant);
    std::istringstream messages(RunTidy(plugin.folder(), run, config));
    for (std::string line; std::getline(messages, line);) {
      while (!line.empty() && line.back() == '\r') line.pop_back();  // Tidy ends lines with CR CR LF
      if (line.rfind("Config:", 0) != 0) continue;
      static const std::string kUnknown = "Config: unknown option: ";
      if (line.rfind(kUnknown, 0) == 0 && kKeysTidyNoLongerKnows.count(line.substr(kUnknown.size())) > 0) {
        unknownReported.insert(line.substr(kUnknown.size()));
        continue;
      }
      ADD_FAILURE() << "Tidy: " << line << "\nconfiguration:\n" << config;
    }
  }
  EXPECT_EQ(kKeysTidyNoLongerKnows, unknownReported);
}

}  // namespace
