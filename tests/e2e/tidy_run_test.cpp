// "&Tidy starten" in the real dialog: the real Tidy.exe from the host's text
// and back, in folders with blanks and with a non-default option whose effect
// shows (so an ignored configuration is noticed); then stand-ins that append,
// crash, hang, cannot start or write only to standard error. Each dialog runs
// its cases in sequence; the library stays loaded between dialogs, as in a host.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "rig/rig.h"

namespace {

using rig::Dialog;

constexpr int kMessagesPage = 1;

std::string MemoText(const Dialog& d, const std::string& name) { return rig::ToAnsi(d.Text(name)); }

// The output page, brought to the front (it is filled when first shown).
std::string OutputPage(const Dialog& d) {
  d.SelectPage("Pages", 2);
  return MemoText(d, "mOutput");
}

// The bottom bar's buttons are found by the captions a user reads.
void Press(const Dialog& d, const wchar_t* caption) {
  HWND button = d.FindByCaption(caption, L"Button");
  EXPECT_TRUE(button) << "no button " << rig::Narrow(caption);
  d.ClickWindow(button);
}

// Starts a run and waits until its click has been handled.
void StartRun(const Dialog& d) {
  Press(d, L"&Tidy starten");
  d.Sync();
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

bool EveryLineEndsInCrLf(const std::string& text) {
  if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
  }
  return true;
}

bool TempIsEmpty(const rig::PluginFolder& plugin) { return rig::ListFolder(plugin.tempFolder()).empty(); }

TEST(TidyRun, RealTidyInFoldersWithBlanksThenOkAndAbbrechenInTheSameLibrary) {
  rig::PluginFolder plugin("run mit Leerzeichen");
  plugin.CopyTidyHere();
  ASSERT_TRUE(Has(rig::Narrow(plugin.tempFolder()), " "));
  std::string shown;
  const auto accepted = rig::RunDialog(plugin, "<title>Weg</title>\r\n<p>eins\n<p>zwei\r<p>drei \xE4", [&](Dialog& d) {
    EXPECT_FALSE(rig::IsEnabled(d.Get("bOK")));
    // The factory settings write no markup; tags in capitals are not Tidy's
    // default, so they prove that Tidy read the configuration file.
    d.Click("cbMarkup");
    d.Click("cbUppercaseTags");
    StartRun(d);
    EXPECT_EQ(kMessagesPage, d.ActivePage("Pages"));
    const std::string messages = MemoText(d, "mErrors");
    EXPECT_TRUE(Has(messages, "missing <!DOCTYPE> declaration")) << messages;
    EXPECT_TRUE(rig::IsEnabled(d.Get("bOK")));
    EXPECT_EQ(d.Get("bOK"), d.FocusedWindow());
    EXPECT_EQ("", MemoText(d, "mOutput"));  // not filled before it is shown
    shown = OutputPage(d);
    EXPECT_TRUE(TempIsEmpty(plugin));

    // A key typed on the script page goes to Tidy as it is.
    d.SelectPage("Pages", 3);
    d.SetText("mCfg", d.Text("mCfg") + L"vertical-space: vielleicht\r\n");
    StartRun(d);
    EXPECT_TRUE(Has(MemoText(d, "mErrors"), "malformed argument for option: vertical-space"));
    Press(d, L"O&K");
  });
  EXPECT_EQ(2, accepted.kind);
  EXPECT_EQ(shown, accepted.text);
  EXPECT_TRUE(EveryLineEndsInCrLf(accepted.text)) << accepted.text;
  for (const char* part : {"<!DOCTYPE html>", "<TITLE>Weg</TITLE>", "<P>eins</P>", "<P>zwei</P>", "<P>drei"})
    EXPECT_TRUE(Has(accepted.text, part)) << part << " in " << accepted.text;

  // A document Tidy refuses comes back unchanged, with the reason shown.
  const auto refused = rig::RunDialog(plugin, "<title>T</title>\n<erfunden>x</erfunden>", [](Dialog& d) {
    StartRun(d);
    EXPECT_TRUE(Has(MemoText(d, "mErrors"), "<erfunden> is not recognized"));
    Press(d, L"O&K");
  });
  EXPECT_EQ(2, refused.kind);
  EXPECT_EQ("<title>T</title>\r\n<erfunden>x</erfunden>\r\n", refused.text);

  // "Abbrechen" after a run, in the library that returned text before.
  const auto cancelled = rig::RunDialog(plugin, "<title>T</title><p>x", [](Dialog& d) {
    StartRun(d);
    EXPECT_TRUE(rig::IsEnabled(d.Get("bOK")));
    Press(d, L"Abbrechen");
  });
  EXPECT_EQ(0, cancelled.kind);
  EXPECT_EQ("", cancelled.text);
}

TEST(TidyRun, StandInsThatAppendCrashHangOrCannotStart) {
  rig::PluginFolder plugin("run-stand-ins");
  auto useTidy = [&](const wchar_t* program) {
    plugin.CopyProgramHere(program, L"Tidy.exe");
  };
  useTidy(L"fake_tidy_append.exe");
  std::string input;  // beyond the edit control's default limit
  for (int i = 0; input.size() < 300000; ++i) input += "<p>Zeile " + std::to_string(i) + "\r\n";
  const std::string once = input + "<!-- fake tidy -->\r\n";
  const auto result = rig::RunDialog(plugin, input.c_str(), [&](Dialog& d) {
    StartRun(d);
    EXPECT_EQ(once, OutputPage(d));
    StartRun(d);  // every run starts from the host's text
    EXPECT_EQ(kMessagesPage, d.ActivePage("Pages"));
    EXPECT_EQ(once, OutputPage(d));
    EXPECT_EQ("fake tidy: one line appended\r\n", MemoText(d, "mErrors"));

    useTidy(L"fake_tidy_crash.exe");
    d.Click("bRunTidy");
    rig::AnswerMessageBox(rig::WaitForMessageBox(L"(Exit-Code 0xC0000005)"), IDOK);
    d.Sync();
    EXPECT_TRUE(TempIsEmpty(plugin));
    // A failed run offers no output, neither its own nor an earlier one.
    EXPECT_FALSE(rig::IsEnabled(d.Get("bOK")));
    EXPECT_EQ("", OutputPage(d));

    useTidy(L"fake_tidy_hang.exe");
    d.Click("bRunTidy");
    HWND question = rig::WaitForMessageBox(L"Soll Tidy.exe jetzt beendet werden?", 60000);
    ASSERT_TRUE(question);
    rig::AnswerMessageBox(question, IDYES);
    rig::AnswerMessageBox(rig::WaitForMessageBox(L"Tidy.exe wurde beendet"), IDOK);
    d.Sync();
    EXPECT_TRUE(TempIsEmpty(plugin));

    rig::WriteFileBytes(plugin.Path(L"Tidy.exe"), "kein Programm");
    d.Click("bRunTidy");
    rig::AnswerMessageBox(rig::WaitForMessageBox(L"Win32 Error.  Code: "), IDOK);
    d.Sync();
    EXPECT_TRUE(TempIsEmpty(plugin));
    EXPECT_TRUE(d.IsOpen());
    useTidy(L"fake_tidy_append.exe");
    StartRun(d);
    Press(d, L"O&K");
  });
  EXPECT_EQ(2, result.kind);
  EXPECT_EQ(once, result.text);

  useTidy(L"fake_tidy_stderr.exe");
  const auto empty = rig::RunDialog(plugin, "", [](Dialog& d) {
    StartRun(d);
    EXPECT_EQ(kMessagesPage, d.ActivePage("Pages"));
    EXPECT_FALSE(rig::IsEnabled(d.Get("bOK")));
    EXPECT_EQ("", OutputPage(d));
    EXPECT_EQ("line 1 column 1 - Warning: aus der Meldungsdatei\r\nstderr: erste Zeile\r\nstderr: zweite Zeile\r\n",
              MemoText(d, "mErrors"));
    Press(d, L"Abbrechen");
  });
  EXPECT_EQ(0, empty.kind);
}

}  // namespace
