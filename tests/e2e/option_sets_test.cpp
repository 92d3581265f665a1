// Option sets in the real dialog: the default set at the first showing, the
// option set buttons with their file dialogs and questions, the option rules
// on the user's clicks and the page synchronisation with the script.
#include <gtest/gtest.h>

#include <string>

#include "core/options/catalogue.h"
#include "rig/rig.h"

namespace {

using markwash::ControlKind;
using rig::Dialog;

constexpr int kOptionsPage = 0;
constexpr int kConfigPage = 3;
const std::wstring kNotFoundQuestion = L"Tidy.exe konnte nicht gefunden werden";
const std::wstring kResetQuestion = L"zu den Werkseinstellungen zurückgesetzt werden?";

std::wstring Wide(std::string_view utf8) { return rig::Widen(std::string(utf8)); }

class OptionSets : public ::testing::Test {
 protected:
  // A folder of the test's own, with Tidy.exe beside the library unless the
  // test is about not finding it; no other folder that is searched (the
  // current directory is the test's temporary folder) holds one.
  void Prepare(const std::string& name, bool withTidy = true) {
    plugin_ = std::make_unique<rig::PluginFolder>(name);
    ::SetCurrentDirectoryW(plugin_->tempFolder().c_str());
    if (withTidy) plugin_->CopyTidyHere();
  }
  rig::PluginFolder& plugin() { return *plugin_; }
  std::wstring DefaultFile() const { return plugin_->Path(L"Markwash.cfg"); }
  std::string TidyPathAnsi() const { return rig::ToAnsi(plugin_->Path(L"Tidy.exe")); }

  static bool Checked(Dialog& d, const std::string& name) { return rig::IsChecked(d.Get(name)); }
  static std::wstring Script(Dialog& d) { return d.Text("mCfg"); }

  // Every option control as the factory settings have it.
  static void ExpectFactoryStates(Dialog& d) {
    for (const markwash::OptionEntry& entry : markwash::Catalogue()) {
      if (!entry.factory || entry.kind == ControlKind::Label || entry.kind == ControlKind::LinkLabel) continue;
      const std::string name(entry.name);
      SCOPED_TRACE(name);
      const markwash::ControlState& state = *entry.factory;
      switch (entry.kind) {
        case ControlKind::CheckBox:
          EXPECT_EQ(state.checked, Checked(d, name));
          EXPECT_EQ(state.enabled, rig::IsEnabled(d.Get(name)));
          break;
        case ControlKind::DropDownList:
        case ControlKind::EditableCombo:
          EXPECT_EQ(state.item, ::SendMessageW(d.Get(name), CB_GETCURSEL, 0, 0));
          EXPECT_EQ(Wide(state.text), d.Text(name));
          break;
        case ControlKind::Edit:
        case ControlKind::NumericEdit:
        case ControlKind::Memo:
          EXPECT_EQ(Wide(state.text), d.Text(name));
          EXPECT_EQ(state.enabled, rig::IsEnabled(d.Get(name)));
          break;
        default:
          break;
      }
    }
  }

  // Chooses the name in the file dialog that the click opens.
  static void ChooseIn(Dialog& d, const std::string& button, const std::wstring& title, const std::wstring& name) {
    d.Click(button);
    HWND dialog = rig::WaitForFileDialog(title);
    rig::ChooseFile(dialog, name);
    EXPECT_TRUE(rig::WaitUntilClosed(dialog));
  }

  // The error box with this text appears; it is confirmed.
  static void ConfirmError(const std::wstring& text) {
    HWND box = rig::WaitForMessageBox(text);
    if (box) {
      EXPECT_EQ(L"Markwash Plugin", rig::WindowText(box));
      rig::AnswerMessageBox(box, IDOK);
      EXPECT_TRUE(rig::WaitUntilClosed(box));
    }
  }

 private:
  std::unique_ptr<rig::PluginFolder> plugin_;
};

TEST_F(OptionSets, FirstStartWithoutDefaultFileShowsFactorySettingsAndAsksForTidy) {
  Prepare("options-factory", /*withTidy=*/false);
  rig::RunDialog(plugin(), "x", [&](Dialog& d) {
    HWND question = rig::WaitForMessageBox(kNotFoundQuestion);
    ASSERT_TRUE(question);
    EXPECT_EQ(L"Markwash Plugin", rig::WindowText(question));
    EXPECT_TRUE(rig::HasButton(question, IDYES) && rig::HasButton(question, IDNO));
    rig::AnswerMessageBox(question, IDNO);
    EXPECT_TRUE(rig::WaitUntilClosed(question));
    d.Sync();
    ExpectFactoryStates(d);
    EXPECT_FALSE(Checked(d, "cbMarkup"));
    EXPECT_EQ(L"nein", d.Text("cbIndent"));
    EXPECT_EQ(L"auto", d.Text("cbDocType"));
    EXPECT_EQ(L"ascii", d.Text("cbCharEncoding"));
    EXPECT_EQ(L"Tidy.exe nicht gefunden!", d.Text("lTidyPath"));
    EXPECT_EQ(nullptr, rig::OpenMessageBox()) << "asked once only";
    d.Click("bCancel");
  });
  EXPECT_FALSE(rig::FileExists(DefaultFile())) << "nothing is saved without being asked";
}

TEST_F(OptionSets, DefaultFileShowsAtFirstShowingAndResizingNeverReloadsIt) {
  Prepare("options-default");
  rig::WriteFileBytes(DefaultFile(), "markup: yes\r\nwrap: 90\r\nindent: auto\r\nchar-encoding: utf8\r\n");
  rig::RunDialog(plugin(), "x", [&](Dialog& d) {
    d.Sync();
    EXPECT_TRUE(Checked(d, "cbMarkup"));
    EXPECT_EQ(L"90", d.Text("eWrap"));
    EXPECT_EQ(L"auto", d.Text("cbIndent"));
    EXPECT_EQ(L"utf8", d.Text("cbCharEncoding"));
    EXPECT_EQ(plugin().Path(L"Tidy.exe"), d.Text("lTidyPath"));

    // The user changes an option and the file changes behind the dialog.
    d.Click("cbMarkup");
    d.Sync();
    rig::WriteFileBytes(DefaultFile(), "markup: yes\r\nwrap: 40\r\n");
    RECT r;
    ::GetWindowRect(d.window(), &r);
    for (int grow : {60, 0, 120}) {
      ::SetWindowPos(d.window(), nullptr, 0, 0, r.right - r.left + grow, r.bottom - r.top + grow,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      d.Sync();
    }
    EXPECT_FALSE(Checked(d, "cbMarkup"));
    EXPECT_EQ(L"90", d.Text("eWrap"));
    d.Click("bCancel");
  });
}

TEST_F(OptionSets, AnEditedKeyOnTheConfigPageShowsInItsControl) {
  Prepare("options-config-page");
  rig::RunDialog(plugin(), "x", [&](Dialog& d) {
    d.Sync();
    d.SelectPage("Pages", kConfigPage);
    const std::wstring merged = Script(d);
    EXPECT_NE(std::wstring::npos, merged.find(L"wrap: 66\r\n")) << rig::Narrow(merged);
    EXPECT_NE(std::wstring::npos, merged.find(L"indent: no\r\n"));
    std::wstring edited = merged;
    edited.replace(edited.find(L"wrap: 66"), 8, L"wrap: 80");
    edited.replace(edited.find(L"indent: no"), 10, L"indent: auto");
    d.SetText("mCfg", edited);
    d.SelectPage("Pages", kOptionsPage);
    EXPECT_EQ(L"80", d.Text("eWrap"));
    EXPECT_EQ(L"auto", d.Text("cbIndent"));
    d.Click("bCancel");
  });
}

TEST_F(OptionSets, ThePageSwitchOfARunReadsTheEditedScriptBack) {
  Prepare("options-run-from-config");
  rig::RunDialog(plugin(), "<p>x", [&](Dialog& d) {
    d.Sync();
    d.SelectPage("Pages", kConfigPage);
    std::wstring edited = Script(d);
    edited.replace(edited.find(L"wrap: 66"), 8, L"wrap: 80");
    d.SetText("mCfg", edited);
    d.Click("bRunTidy");  // brings the messages page to the front from code
    d.Sync();
    EXPECT_EQ(1, d.ActivePage("Pages"));
    EXPECT_EQ(L"80", d.Text("eWrap"));
    d.Click("bCancel");
  });
}

TEST_F(OptionSets, AsDefaultOnTheConfigPageStoresTheScriptAsEdited) {
  Prepare("options-as-default");
  const std::wstring script = L"// nur meine Zeilen, ohne Kopf\r\nwrap: 12\r\nvertical-space: yes\r\nclean: yes\r\n";
  rig::RunDialog(plugin(), "x", [&](Dialog& d) {
    d.Sync();
    d.SelectPage("Pages", kConfigPage);
    d.SetText("mCfg", script);
    d.Click("Button4");
    d.Sync();
    EXPECT_EQ(rig::ToAnsi(script), rig::ReadFileBytes(DefaultFile()));
    EXPECT_EQ(script, Script(d)) << "saving merges nothing into the script";
    d.Click("bCancel");
  });
}

TEST_F(OptionSets, ResetAnsweredYesNoAndCancel) {
  Prepare("options-reset");
  const std::string defaults = "// Standard\r\nmarkup: yes\r\nindent: auto\r\n";
  rig::WriteFileBytes(DefaultFile(), defaults);
  rig::RunDialog(plugin(), "x", [&](Dialog& d) {
    d.Sync();
    ASSERT_TRUE(Checked(d, "cbMarkup"));
    auto reset = [&](const char* button, int answer) {
      d.Click(button);
      HWND box = rig::WaitForMessageBox(kResetQuestion);
      if (!box) return;
      EXPECT_EQ(L"Markwash Plugin", rig::WindowText(box));
      EXPECT_TRUE(rig::HasButton(box, IDYES) && rig::HasButton(box, IDNO) && rig::HasButton(box, IDCANCEL));
      EXPECT_TRUE(::GetWindowLongW(::GetDlgItem(box, IDNO), GWL_STYLE) & BS_DEFPUSHBUTTON)
          << "\"Nein\" is the default button";
      rig::AnswerMessageBox(box, answer);
      EXPECT_TRUE(rig::WaitUntilClosed(box));
      d.Sync();
    };

    d.Click("cbMarkup");
    d.SelectPage("Pages", kConfigPage);
    const std::wstring typed = Script(d) + L"// getippt\r\n";
    d.SetText("mCfg", typed);
    reset("Button3", IDCANCEL);  // the script page's own reset button
    EXPECT_FALSE(Checked(d, "cbMarkup"));
    EXPECT_EQ(typed, Script(d)) << "Cancel leaves the script alone";

    reset("bResetOptions", IDNO);
    EXPECT_TRUE(Checked(d, "cbMarkup"));
    EXPECT_EQ(L"auto", d.Text("cbIndent"));
    EXPECT_EQ(rig::FromAnsi(defaults), Script(d));

    reset("Button3", IDYES);
    EXPECT_FALSE(Checked(d, "cbMarkup"));
    EXPECT_EQ(L"nein", d.Text("cbIndent"));
    EXPECT_EQ(L"", Script(d));
    d.SelectPage("Pages", kOptionsPage);
    ExpectFactoryStates(d);
    d.Click("bCancel");
  });
}

// Without a default file: the rules of the user's clicks, a typed doctype,
// the remembered wrap width, and a reset that asks nothing.
TEST_F(OptionSets, ClicksRunTheRulesAndResetWithoutDefaultFileAsksNothing) {
  Prepare("options-rules");
  rig::RunDialog(plugin(), "x", [&](Dialog& d) {
    d.Sync();
    d.Click("cbInputXML");
    d.Click("cbAltText");
    d.Click("cbLogicalEmphasis");
    d.Sync();
    EXPECT_TRUE(Checked(d, "cbAssumeXmlProcins"));
    EXPECT_TRUE(rig::IsEnabled(d.Get("eAltText")));
    EXPECT_TRUE(Checked(d, "cbClean")) << "logical emphasis works on Clean";
    EXPECT_TRUE(rig::IsEnabled(d.Get("cbDropFontTags")));
    d.Click("cbClean");
    d.Sync();
    EXPECT_FALSE(rig::IsEnabled(d.Get("cbDropFontTags")));

    HWND combo = d.Get("cbDocType");
    HWND edit = ::FindWindowExW(combo, nullptr, L"Edit", nullptr);
    ASSERT_TRUE(edit);
    d.SetText("cbDocType", L"");
    d.Focus(edit);
    for (wchar_t c : std::wstring(L"Loose")) d.TypeChar(edit, c);
    d.Sync();
    EXPECT_EQ(3, ::SendMessageW(combo, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(L"loose", d.Text("cbDocType"));

    d.SetText("eWrap", L"72");
    d.Click("cbWrap");
    d.Sync();
    EXPECT_FALSE(Checked(d, "cbWrap"));
    EXPECT_EQ(L"0", d.Text("eWrap"));
    for (const char* name : {"eWrap", "udWrap", "lWrap"}) EXPECT_FALSE(rig::IsEnabled(d.Get(name))) << name;
    d.Click("cbWrap");
    d.Sync();
    EXPECT_EQ(L"72", d.Text("eWrap"));
    for (const char* name : {"eWrap", "udWrap", "lWrap"}) EXPECT_TRUE(rig::IsEnabled(d.Get(name))) << name;

    d.Click("cbMarkup");
    d.Click("bResetOptions");
    d.Sync();
    EXPECT_EQ(nullptr, rig::OpenMessageBox());
    EXPECT_FALSE(Checked(d, "cbMarkup"));
    d.Click("bCancel");
  });
}

TEST_F(OptionSets, SavedSetLoadsBackAndEachDialogOffersItsLastName) {
  Prepare("options-save-load");
  const std::wstring file = plugin().Path(L"Meine Optionen.cfg");
  auto currentDirectory = [] {
    wchar_t buffer[MAX_PATH];
    return std::wstring(buffer, ::GetCurrentDirectoryW(MAX_PATH, buffer));
  };
  const std::wstring before = currentDirectory();
  rig::RunDialog(plugin(), "x", [&](Dialog& d) {
    d.Sync();
    d.Click("cbMarkup");
    d.Sync();
    ChooseIn(d, "bSaveOptions", L"HTML-Tidy Optionen speichern", file);
    d.Sync();
    const std::string saved = rig::ReadFileBytes(file);
    EXPECT_NE(std::string::npos, saved.find("markup: yes\r\n")) << saved;
    EXPECT_EQ(0u, saved.find("// Konfigurationsdatei f\xfcr HTML Tidy\r\n")) << "header in the ANSI code page";

    d.Click("cbMarkup");
    d.Sync();
    ASSERT_FALSE(Checked(d, "cbMarkup"));
    ChooseIn(d, "Button2", L"HTML-Tidy Optionen öffnen", file);
    d.Sync();
    EXPECT_TRUE(Checked(d, "cbMarkup"));
    EXPECT_EQ(before, currentDirectory()) << "the file dialogs leave the host's current directory alone";

    // The save dialog offers its own last name, the open dialog its own.
    d.Click("Button1");
    HWND save = rig::WaitForFileDialog(L"HTML-Tidy Optionen speichern");
    EXPECT_NE(std::wstring::npos, rig::FileDialogName(save).find(L"Meine Optionen"));
    ::PostMessageW(save, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(rig::WaitUntilClosed(save));
    d.Sync();
    EXPECT_TRUE(d.IsOpen());
    d.Click("bCancel");
  });
}

TEST_F(OptionSets, LoadingAnUnreadableFileShowsAnErrorAndChangesNothing) {
  Prepare("options-load-error");
  const std::wstring file = plugin().Path(L"gesperrt.cfg");
  rig::WriteFileBytes(file, "markup: yes\r\n");
  // Held open without sharing: it exists but cannot be opened.
  HANDLE lock = ::CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);
  rig::RunDialog(plugin(), "x", [&](Dialog& d) {
    d.Sync();
    const std::wstring script = Script(d);
    ChooseIn(d, "bLoadOptions", L"HTML-Tidy Optionen öffnen", file);
    ConfirmError(L"Cannot open file " + file);
    d.Sync();
    EXPECT_FALSE(Checked(d, "cbMarkup"));
    EXPECT_EQ(script, Script(d));
    // Still usable.
    d.Click("cbMarkup");
    d.Sync();
    EXPECT_TRUE(Checked(d, "cbMarkup"));
    d.Click("bCancel");
  });
  ::CloseHandle(lock);
}

// Creates a new file there and removes it again; an existing file does not
// count, since it can be written in a folder that takes no new entries.
bool CanCreateFileIn(const std::wstring& folder) {
  const std::wstring probe = folder + L"probe.tmp";
  HANDLE file = ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(file);
  ::DeleteFileW(probe.c_str());
  return true;
}

TEST_F(OptionSets, SavingIntoAFolderThatCannotBeWrittenShowsAnErrorAndChangesNothing) {
  const std::wstring folder = rig::ProgramFolder() + L"work\\write-protected\\";
  Prepare("options-save-error");
  ::CreateDirectoryW(folder.substr(0, folder.size() - 1).c_str(), nullptr);
  const std::wstring file = folder + L"optionen.cfg";
  {
    // Not even root may create a file in an immutable folder.
    rig::ImmutablePath writeProtected(folder.substr(0, folder.size() - 1));
    ASSERT_FALSE(CanCreateFileIn(folder)) << "cannot write-protect a folder here (needs chattr as root)";
    rig::RunDialog(plugin(), "x", [&](Dialog& d) {
      d.Sync();
      d.SelectPage("Pages", kConfigPage);
      const std::wstring script = Script(d);
      ChooseIn(d, "Button1", L"HTML-Tidy Optionen speichern", file);
      ConfirmError(L"Cannot create file " + file);
      d.Sync();
      EXPECT_EQ(script, Script(d));
      EXPECT_FALSE(rig::FileExists(file));
      d.Click("Button4");
      d.Sync();
      EXPECT_EQ(rig::ToAnsi(script), rig::ReadFileBytes(DefaultFile())) << "still usable";
      d.Click("bCancel");
    });
  }
  EXPECT_TRUE(CanCreateFileIn(folder)) << "the folder is writable again";
}

}  // namespace
