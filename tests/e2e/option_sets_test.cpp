// Option sets in the real dialog, one step after another: the default set, a
// doctype typed into its list, loading a set through the file dialog, the
// script page's reset question, and the script page itself: a value that
// cannot be read keeps the user there, values that can show in the controls
// as Tidy reads them and keep that meaning when merged back.
#include "rig/rig.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using rig::Dialog;

constexpr int kOptionsPage = 0;
constexpr int kConfigPage = 3;

TEST(OptionSets, DefaultSetLoadResetAndTheScriptPage) {
  rig::PluginFolder plugin("options");
  plugin.CopyTidyHere();
  ::SetCurrentDirectoryW(plugin.tempFolder().c_str());
  const std::string defaults = "// Standard\r\nmarkup: yes\r\nindent: auto\r\n";
  rig::WriteFileBytes(plugin.Path(L"Markwash.cfg"), defaults);
  const std::wstring optionSet = plugin.Path(L"Meine Optionen.cfg");
  rig::WriteFileBytes(optionSet, "markup: no\r\n");

  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    auto checked = [&](const char* name) { return rig::IsChecked(d.Get(name)); };
    d.Sync();
    EXPECT_TRUE(checked("cbMarkup")) << "the default set is shown";

    HWND docType = d.Get("cbDocType");
    HWND typed = ::FindWindowExW(docType, nullptr, L"Edit", nullptr);
    d.SetText("cbDocType", L"");
    d.Focus(typed);
    for (wchar_t c : std::wstring(L"Loose")) d.TypeChar(typed, c);
    d.Sync();
    EXPECT_EQ(3, ::SendMessageW(docType, CB_GETCURSEL, 0, 0)) << "the typed doctype picks its item";

    const auto before = std::filesystem::current_path();
    d.Click("bLoadOptions");
    rig::ChooseFile(L"HTML-Tidy Optionen öffnen", optionSet);
    d.Sync();
    EXPECT_FALSE(checked("cbMarkup"));
    EXPECT_EQ(before, std::filesystem::current_path()) << "the file dialog leaves the host's current directory alone";

    d.SelectPage("Pages", kConfigPage);
    d.Click("Button3");
    HWND question = rig::WaitForMessageBox(L"zu den Werkseinstellungen zurückgesetzt werden?");
    EXPECT_TRUE(::GetWindowLongW(::GetDlgItem(question, IDNO), GWL_STYLE) & BS_DEFPUSHBUTTON) << "\"Nein\" is default";
    rig::AnswerMessageBox(question, IDNO);  // back to the default set, not the factory settings
    d.Sync();
    EXPECT_EQ(rig::FromAnsi(defaults), d.Text("mCfg"));

    // The user's click on the tab "Optionen" with a value that cannot be read.
    const std::wstring script = d.Text("mCfg") + L"wrap: abc\r\nquote-nbsp: N\r\ndoctype: html5\r\n";
    d.SetText("mCfg", script);
    HWND pages = d.Get("Pages");
    RECT tab{};
    ::SendMessageW(pages, TCM_GETITEMRECT, kOptionsPage, reinterpret_cast<LPARAM>(&tab));
    rig::PostMouse(pages, WM_LBUTTONDOWN, (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2, MK_LBUTTON);
    rig::PostMouse(pages, WM_LBUTTONUP, (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    rig::AnswerMessageBox(rig::WaitForMessageBox(L"'abc' is not a valid integer value"), IDOK);
    d.Sync();
    EXPECT_EQ(kConfigPage, d.ActivePage("Pages"));
    EXPECT_EQ(script, d.Text("mCfg"));

    d.SetText("mCfg", std::wstring(script).replace(script.find(L"wrap: abc"), 9, L"wrap: 70"));
    d.SelectPage("Pages", kOptionsPage);
    EXPECT_TRUE(checked("cbMarkup"));
    EXPECT_FALSE(checked("cbQuoteNbsp"));
    EXPECT_EQ(L"html5", d.Text("cbDocType"));
    d.SelectPage("Pages", kConfigPage);
    const std::wstring merged = d.Text("mCfg");
    for (const wchar_t* line : {L"markup: yes\r\n", L"wrap: 70\r\n", L"quote-nbsp: no\r\n", L"doctype: html5\r\n"})
      EXPECT_NE(std::wstring::npos, merged.find(line)) << rig::Narrow(line) << " in " << rig::Narrow(merged);
    d.Click("bCancel");
  });
}

}  // namespace
