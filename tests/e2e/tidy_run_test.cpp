// "&Tidy starten" in the real dialog with the real Tidy.exe: from the host's
// text through Tidy and back, the pages and "O&K" after a run, the temporary
// folder after every kind of run, and stand-ins that misbehave.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "rig/rig.h"

namespace {

using rig::Dialog;

constexpr int kMessagesPage = 1;

// Text of a memo as the ANSI bytes it shows.
std::string MemoText(const Dialog& d, const std::string& name) { return rig::ToAnsi(d.Text(name)); }

// The output page, brought to the front (it is filled when first shown).
std::string OutputPage(const Dialog& d) {
  d.SelectPage("Pages", 2);
  return MemoText(d, "mOutput");
}

bool EveryLineEndsInCrLf(const std::string& text) {
  if (text.empty() || text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
  }
  return true;
}

// Factory settings have Tidy write no markup ("markup: no"): it only reports.
void LetTidyWriteMarkup(const Dialog& d) {
  d.Click("cbMarkup");
  d.Sync();
  EXPECT_TRUE(rig::IsChecked(d.Get("cbMarkup")));
}

// Clicks "&Tidy starten" and waits until the run's click has been handled.
void RunTidy(const Dialog& d) {
  d.Click("bRunTidy");
  d.Sync();
}

class TidyRunTest : public ::testing::Test {
 protected:
  bool TempIsEmpty(const rig::PluginFolder& plugin) { return rig::ListFolder(plugin.tempFolder()).empty(); }
};

TEST_F(TidyRunTest, WholeRoadFromTheHostThroughTidyAndBack) {
  rig::PluginFolder plugin("run-road");
  plugin.CopyTidyHere();
  std::string shown;
  const auto result = rig::RunDialog(plugin, "<title>Weg</title>\r\n<p>eins\n<p>zwei\r<p>drei \xE4", [&](Dialog& d) {
    EXPECT_FALSE(rig::IsEnabled(d.Get("bOK")));
    LetTidyWriteMarkup(d);
    RunTidy(d);
    EXPECT_EQ(kMessagesPage, d.ActivePage("Pages"));
    EXPECT_TRUE(d.IsOpen());
    const std::string messages = MemoText(d, "mErrors");
    EXPECT_NE(std::string::npos, messages.find("missing <!DOCTYPE> declaration")) << messages;
    EXPECT_TRUE(rig::IsEnabled(d.Get("bOK")));
    EXPECT_EQ(d.Get("bOK"), d.FocusedWindow());
    EXPECT_EQ("", MemoText(d, "mOutput"));  // not filled before it is shown
    shown = OutputPage(d);
    EXPECT_NE(std::string::npos, shown.find("<p>eins</p>")) << shown;
    EXPECT_TRUE(TempIsEmpty(plugin));
    d.Click("bOK");
  });
  EXPECT_EQ(2, result.kind);
  EXPECT_EQ(shown, result.text);
  EXPECT_TRUE(EveryLineEndsInCrLf(result.text)) << result.text;
  for (const char* part : {"<!DOCTYPE html>", "<title>Weg</title>", "<p>eins</p>", "<p>zwei</p>", "<p>drei"})
    EXPECT_NE(std::string::npos, result.text.find(part)) << part;
}

TEST_F(TidyRunTest, CancelAfterARunReturnsNothing) {
  rig::PluginFolder plugin("run-cancel");
  plugin.CopyTidyHere();
  const auto result = rig::RunDialog(plugin, "<title>T</title><p>x", [](Dialog& d) {
    RunTidy(d);
    EXPECT_TRUE(rig::IsEnabled(d.Get("bOK")));
    d.Click("bCancel");
  });
  EXPECT_EQ(0, result.kind);
  EXPECT_EQ("", result.text);
}

TEST_F(TidyRunTest, EveryRunStartsFromTheHostsText) {
  rig::PluginFolder plugin("run-twice");
  plugin.CopyProgramHere(L"fake_tidy_append.exe", L"Tidy.exe");
  const auto result = rig::RunDialog(plugin, "<p>vom Host", [](Dialog& d) {
    RunTidy(d);
    EXPECT_EQ("<p>vom Host\r\n<!-- fake tidy -->\r\n", OutputPage(d));
    RunTidy(d);  // started from the output page
    EXPECT_EQ(kMessagesPage, d.ActivePage("Pages"));
    EXPECT_EQ("<p>vom Host\r\n<!-- fake tidy -->\r\n", OutputPage(d));
    EXPECT_EQ("fake tidy: one line appended\r\n", MemoText(d, "mErrors"));
    d.Click("bOK");
  });
  EXPECT_EQ(2, result.kind);
  EXPECT_EQ("<p>vom Host\r\n<!-- fake tidy -->\r\n", result.text);
}

TEST_F(TidyRunTest, OutputPageTakesTextBeyondTheEditControlsDefaultLimit) {
  rig::PluginFolder plugin("run-large");
  plugin.CopyProgramHere(L"fake_tidy_append.exe", L"Tidy.exe");
  std::string input;
  for (int i = 0; input.size() < 300000; ++i) input += "<p>Zeile " + std::to_string(i) + "\r\n";
  const auto result = rig::RunDialog(plugin, input.c_str(), [&](Dialog& d) {
    RunTidy(d);
    EXPECT_EQ(input + "<!-- fake tidy -->\r\n", OutputPage(d));
    d.Click("bOK");
  });
  EXPECT_EQ(input + "<!-- fake tidy -->\r\n", result.text);
}

TEST_F(TidyRunTest, EmptyOutputKeepsOkDisabledAndStandardErrorIsShown) {
  rig::PluginFolder plugin("run-empty");
  plugin.CopyProgramHere(L"fake_tidy_stderr.exe", L"Tidy.exe");
  const auto result = rig::RunDialog(plugin, "", [](Dialog& d) {
    RunTidy(d);
    EXPECT_EQ(kMessagesPage, d.ActivePage("Pages"));
    EXPECT_FALSE(rig::IsEnabled(d.Get("bOK")));
    EXPECT_EQ("", OutputPage(d));
    EXPECT_EQ(
        "line 1 column 1 - Warning: aus der Meldungsdatei\r\nstderr: erste Zeile\r\nstderr: zweite Zeile\r\n",
        MemoText(d, "mErrors"));
    d.Click("bCancel");
  });
  EXPECT_EQ(0, result.kind);
}

TEST_F(TidyRunTest, RefusedDocumentComesBackUnchangedWithTheReason) {
  rig::PluginFolder plugin("run-refused");
  plugin.CopyTidyHere();
  const char* input = "<title>T</title>\n<erfunden>x</erfunden>";
  const auto result = rig::RunDialog(plugin, input, [](Dialog& d) {
    RunTidy(d);
    EXPECT_TRUE(rig::IsEnabled(d.Get("bOK")));
    const std::string messages = MemoText(d, "mErrors");
    EXPECT_NE(std::string::npos, messages.find("<erfunden> is not recognized")) << messages;
    d.Click("bOK");
  });
  EXPECT_EQ(2, result.kind);
  EXPECT_EQ("<title>T</title>\r\n<erfunden>x</erfunden>\r\n", result.text);
}

TEST_F(TidyRunTest, KeyTypedOnTheScriptPageWithABadValueIsReported) {
  rig::PluginFolder plugin("run-script-key");
  plugin.CopyTidyHere();
  rig::RunDialog(plugin, "<title>T</title><p>x", [](Dialog& d) {
    d.SelectPage("Pages", 3);  // Config-Datei: the controls merged into the script
    const std::wstring script = d.Text("mCfg");
    d.SetText("mCfg", script + L"vertical-space: vielleicht\r\n");
    RunTidy(d);
    const std::string messages = MemoText(d, "mErrors");
    EXPECT_NE(std::string::npos, messages.find("malformed argument for option: vertical-space")) << messages;
    d.Click("bCancel");
  });
}

TEST_F(TidyRunTest, TidyThatCannotStartLeavesNoFilesAndTheDialogUsable) {
  rig::PluginFolder plugin("run-nostart");
  rig::WriteFileBytes(plugin.Path(L"Tidy.exe"), "kein Programm");
  rig::RunDialog(plugin, "<p>x", [&](Dialog& d) {
    d.Click("bRunTidy");
    HWND box = rig::WaitForMessageBox(L"Win32 Error.  Code: ");
    rig::AnswerMessageBox(box, IDOK);
    d.Sync();
    EXPECT_TRUE(TempIsEmpty(plugin));
    EXPECT_FALSE(rig::IsEnabled(d.Get("bOK")));
    EXPECT_TRUE(d.IsOpen());
    d.Click("bCancel");
  });
}

TEST_F(TidyRunTest, HungTidyIsStoppedOnRequestAndTheDialogStaysUsable) {
  rig::PluginFolder plugin("run-hang");
  plugin.CopyProgramHere(L"fake_tidy_hang.exe", L"Tidy.exe");
  const auto result = rig::RunDialog(plugin, "<p>x", [&](Dialog& d) {
    d.Click("bRunTidy");
    HWND question = rig::WaitForMessageBox(L"Soll Tidy.exe jetzt beendet werden?", 45000);
    ASSERT_TRUE(question);
    EXPECT_TRUE(rig::HasButton(question, IDYES));
    rig::AnswerMessageBox(question, IDYES);
    HWND report = rig::WaitForMessageBox(L"Tidy.exe wurde beendet");
    rig::AnswerMessageBox(report, IDOK);
    d.Sync();
    EXPECT_TRUE(TempIsEmpty(plugin));
    EXPECT_FALSE(rig::IsEnabled(d.Get("bOK")));
    d.Click("bCancel");
  });
  EXPECT_EQ(0, result.kind);
}

TEST_F(TidyRunTest, BlanksInTidysFolderAndInTheTemporaryFolder) {
  rig::PluginFolder plugin("run mit Leerzeichen");
  plugin.CopyTidyHere();
  ASSERT_NE(std::wstring::npos, plugin.tempFolder().find(L" "));
  const auto result = rig::RunDialog(plugin, "<title>T</title><p>Leer", [&](Dialog& d) {
    LetTidyWriteMarkup(d);
    RunTidy(d);
    EXPECT_TRUE(rig::IsEnabled(d.Get("bOK")));
    EXPECT_TRUE(TempIsEmpty(plugin));
    d.Click("bOK");
  });
  EXPECT_NE(std::string::npos, result.text.find("<p>Leer</p>")) << result.text;
}

}  // namespace
