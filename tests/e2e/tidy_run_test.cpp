// The plug-in as a host meets it, in one loaded library: its exports, the
// real Tidy.exe from the host's text and back in folders with blanks, with a
// non-default option whose effect shows (so an ignored configuration is
// noticed), "O&K" then "Abbrechen", and stand-ins for Tidy that append or
// write only to standard error.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/options/catalogue.h"
#include "rig/rig.h"

namespace {

using rig::Dialog;

constexpr int kMessagesPage = 1;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
std::string Memo(const Dialog& d, const char* name) { return rig::ToAnsi(d.Text(name)); }

// Runs Tidy and waits until the click has been handled.
void RunTidy(const Dialog& d) {
  d.Click("bRunTidy");
  d.Sync();
}

// The output page, brought to the front (it is filled when first shown).
std::string Output(const Dialog& d) {
  d.SelectPage("Pages", 2);
  return Memo(d, "mOutput");
}

TEST(TidyRun, RealTidyThenStandInsInOneLibrary) {
  rig::PluginFolder plugin("run mit Leerzeichen");
  plugin.CopyTidyHere();
  ASSERT_TRUE(plugin.exports().start);
  EXPECT_EQ(1, plugin.exports().interfaceVersion());
  EXPECT_EQ(0, plugin.exports().resultKind());
  HWND host = ::CreateWindowW(L"STATIC", L"Editor", WS_VISIBLE, 0, 0, 99, 99, nullptr, nullptr, nullptr, nullptr);

  std::string shown;
  const auto accepted = rig::RunDialog(plugin, "<title>Weg</title>\r\n<p>eins\n<p>zwei\r<p>drei \xE4", [&](Dialog& d) {
    EXPECT_FALSE(rig::IsEnabled(host)) << "the dialog is modal";
    EXPECT_EQ(L"&Tidy starten", d.Text("bRunTidy"));
    EXPECT_FALSE(rig::IsEnabled(d.Get("bOK")));
    // Tags in capitals are not Tidy's default: they prove that Tidy read the configuration.
    d.Click("cbMarkup");
    d.Click("cbUppercaseTags");
    RunTidy(d);
    EXPECT_EQ(kMessagesPage, d.ActivePage("Pages"));
    const std::string messages = Memo(d, "mErrors");  // warnings: Tidy ends with 1
    EXPECT_TRUE(Has(messages, "missing <!DOCTYPE> declaration")) << messages;
    EXPECT_FALSE(Has(messages, "Config:")) << messages;
    EXPECT_TRUE(rig::IsEnabled(d.Get("bOK")));
    shown = Output(d);
    // The run's files are gone; the dialog keeps its copy of the host's
    // text (with CR LF) in a file of its own, not in the host's memory.
    const auto left = rig::ListFolder(plugin.tempFolder());
    ASSERT_EQ(1u, left.size());
    EXPECT_EQ(L"Doc", left[0].substr(0, 3));
    EXPECT_EQ(49u, std::filesystem::file_size(plugin.tempFolder() + left[0]));
    d.Click("bOK");
  });
  EXPECT_TRUE(rig::ListFolder(plugin.tempFolder()).empty()) << "the copy went with the dialog";
  EXPECT_EQ(2, accepted.kind);
  EXPECT_EQ(shown, accepted.text);
  for (const char* part : {"<!DOCTYPE html>\r\n", "<TITLE>Weg</TITLE>\r\n", "<P>eins</P>\r\n", "<P>drei &auml;</P>\r\n"})
    EXPECT_TRUE(Has(accepted.text, part)) << part << " in " << accepted.text;

  // Every check box flipped still gives a configuration that Tidy takes; an
  // empty document through a stand-in that writes only messages offers
  // nothing to hand back; "Abbrechen" in the library that returned text before.
  const auto cancelled = rig::RunDialog(plugin, "", [&](Dialog& d) {
    for (const markwash::OptionEntry& entry : markwash::Catalogue())
      if (entry.kind == markwash::ControlKind::CheckBox) d.Click(std::string(entry.name));
    RunTidy(d);
    EXPECT_FALSE(Has(Memo(d, "mErrors"), "Config:")) << Memo(d, "mErrors");
    plugin.CopyProgramHere(L"fake_tidy_stderr.exe", L"Tidy.exe");
    RunTidy(d);
    EXPECT_FALSE(rig::IsEnabled(d.Get("bOK")));
    EXPECT_EQ("line 1 column 1 - Warning: aus der Meldungsdatei\r\nstderr: erste Zeile\r\nstderr: zweite Zeile\r\n",
              Memo(d, "mErrors"));
    d.Click("bCancel");
  });
  EXPECT_EQ(0, cancelled.kind);
  EXPECT_EQ("", cancelled.text);
  EXPECT_TRUE(rig::IsEnabled(host)) << "the host's windows are enabled again";
  ::DestroyWindow(host);

  // A text longer than an edit control takes by default, in many write
  // chunks, through a stand-in that appends a line.
  plugin.CopyProgramHere(L"fake_tidy_append.exe", L"Tidy.exe");
  std::string input;
  for (int i = 0; input.size() < 300000; ++i) input += "<p>Zeile " + std::to_string(i) + "\r\n";
  const std::string once = input + "<!-- fake tidy -->\r\n";
  const auto appended = rig::RunDialog(plugin, input.c_str(), [&](Dialog& d) {
    RunTidy(d);
    RunTidy(d);  // every run starts from the host's text
    EXPECT_EQ(once, Output(d));
    EXPECT_EQ("fake tidy: one line appended\r\n", Memo(d, "mErrors"));
    d.Click("bOK");
  });
  EXPECT_EQ(2, appended.kind);
  EXPECT_EQ(once, appended.text);
}

}  // namespace
