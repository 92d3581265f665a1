// Nothing of the user's option set is lost or silently changed in the real
// dialog: the path found from "Config-Datei" reaches the default file, a
// script that cannot be read keeps its page, and values typed there keep the
// meaning Tidy gives them through the controls, the merge and a real run.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "rig/rig.h"

namespace {

using rig::Dialog;

constexpr int kOptionsPage = 0;
constexpr int kConfigPage = 3;
constexpr wchar_t kNotFoundQuestion[] = L"Tidy.exe konnte nicht gefunden werden.";
constexpr wchar_t kSaveDefaultQuestion[] = L"sollten Sie jetzt eine Standard-Einstellungsdatei speichern.";

// PATH and the current directory name an empty folder while it lives, so
// that only the folder the user picks holds Tidy.
class NothingAround {
 public:
  explicit NothingAround(const std::wstring& emptyFolder) {
    wchar_t buffer[32768];
    path_.assign(buffer, ::GetEnvironmentVariableW(L"PATH", buffer, 32768));
    current_.assign(buffer, ::GetCurrentDirectoryW(32768, buffer));
    ::CreateDirectoryW(emptyFolder.c_str(), nullptr);
    ::SetEnvironmentVariableW(L"PATH", emptyFolder.c_str());
    ::SetCurrentDirectoryW(emptyFolder.c_str());
  }
  ~NothingAround() {
    ::SetEnvironmentVariableW(L"PATH", path_.c_str());
    ::SetCurrentDirectoryW(current_.c_str());
  }
  NothingAround(const NothingAround&) = delete;
  NothingAround& operator=(const NothingAround&) = delete;

 private:
  std::wstring path_, current_;
};

void Answer(const std::wstring& question, int button) {
  HWND box = rig::WaitForMessageBox(question);
  if (!box) return;
  rig::AnswerMessageBox(box, button);
  EXPECT_TRUE(rig::WaitUntilClosed(box));
}

// Selects the folder in the browser until the status line gives its verdict
// on it; the shell's tree may ignore a selection while it fills.
bool SelectFolder(HWND browser, const std::wstring& folder, const std::wstring& verdict) {
  HWND status = nullptr;  // the second static text, under the title
  for (HWND w = ::GetWindow(rig::FindChildWindow(browser, L"Static"), GW_HWNDNEXT); w && !status;
       w = ::GetWindow(w, GW_HWNDNEXT))
    if (rig::ClassName(w) == L"Static") status = w;
  return status && rig::SelectFolder(browser, folder, [&] { return rig::WindowText(status) == verdict; });
}

bool Contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

TEST(DataSafety, TheConfigPageKeepsTheUsersValuesAndTheLocatedPath) {
  rig::PluginFolder plugin("data-safety");
  NothingAround nothing(plugin.Path(L"leer"));
  const std::wstring tidyFolder = plugin.Path(L"Tidy Ordner");
  ::CreateDirectoryW(tidyFolder.c_str(), nullptr);
  ASSERT_TRUE(::CopyFileW(rig::BuiltTidyPath().c_str(), (tidyFolder + L"\\Tidy.exe").c_str(), FALSE));
  const std::wstring pathLine = L"// Path to Tidy.exe: " + tidyFolder + L"\\Tidy.exe\r\n";

  const rig::StartResult result = rig::RunDialog(plugin, "<p>x", [&](Dialog& d) {
    Answer(kNotFoundQuestion, IDNO);  // the first reading found no Tidy
    d.Sync();
    d.SelectPage("Pages", kConfigPage);

    // "&Zurücksetzen" there leads to Tidy; the default file saved on the
    // user's Yes holds its path, and so does the script shown.
    d.Click("Button3");
    Answer(kNotFoundQuestion, IDYES);
    HWND browser = rig::WaitForFolderBrowser();
    ASSERT_TRUE(browser);
    ASSERT_TRUE(SelectFolder(browser, tidyFolder, L"Gefunden in " + tidyFolder));
    ::PostMessageW(browser, WM_COMMAND, IDOK, 0);
    Answer(kSaveDefaultQuestion, IDYES);
    d.Sync();  // the posted click on "&als Standard" has been handled
    d.Sync();
    EXPECT_TRUE(Contains(rig::FromAnsi(rig::ReadFileBytes(plugin.Path(L"Markwash.cfg"))), pathLine));
    EXPECT_TRUE(Contains(d.Text("mCfg"), pathLine));

    // A value that cannot be read keeps the user on the page with the
    // script as typed.
    const std::wstring typed = d.Text("mCfg") +
                               L"markup: y\r\nwrap: abc\r\nclean: Yes\r\nquote-nbsp: N\r\n"
                               L"doctype: html5\r\nchar-encoding: win1252\r\n";
    d.SetText("mCfg", typed);
    HWND pages = d.Get("Pages");
    RECT tab{};
    ::SendMessageW(pages, TCM_GETITEMRECT, kOptionsPage, reinterpret_cast<LPARAM>(&tab));
    const int x = (tab.left + tab.right) / 2, y = (tab.top + tab.bottom) / 2;
    rig::PostMouse(pages, WM_LBUTTONDOWN, x, y, MK_LBUTTON);  // the user's click on "Optionen"
    rig::PostMouse(pages, WM_LBUTTONUP, x, y);
    HWND error = rig::WaitForMessageBox(L"'abc' is not a valid integer value");
    ASSERT_TRUE(error);
    rig::AnswerMessageBox(error, IDOK);
    EXPECT_TRUE(rig::WaitUntilClosed(error));
    d.Sync();
    EXPECT_EQ(kConfigPage, d.ActivePage("Pages"));
    EXPECT_TRUE(::IsWindowVisible(d.Get("mCfg")));
    EXPECT_EQ(typed, d.Text("mCfg"));

    // Corrected, the values show in the controls as Tidy reads them, and the
    // merge on coming back keeps that meaning.
    std::wstring corrected = typed;
    corrected.replace(corrected.find(L"wrap: abc"), 9, L"wrap: 70");
    d.SetText("mCfg", corrected);
    d.SelectPage("Pages", kOptionsPage);
    ASSERT_EQ(kOptionsPage, d.ActivePage("Pages"));
    EXPECT_TRUE(rig::IsChecked(d.Get("cbMarkup")));
    EXPECT_TRUE(rig::IsChecked(d.Get("cbClean")));
    EXPECT_FALSE(rig::IsChecked(d.Get("cbQuoteNbsp")));
    EXPECT_EQ(L"html5", d.Text("cbDocType"));
    EXPECT_EQ(-1, ::SendMessageW(d.Get("cbCharEncoding"), CB_GETCURSEL, 0, 0));
    d.SelectPage("Pages", kConfigPage);
    const std::wstring merged = d.Text("mCfg");
    for (const wchar_t* line : {L"markup: yes\r\n", L"wrap: 70\r\n", L"clean: yes\r\n", L"quote-nbsp: no\r\n",
                                L"doctype: html5\r\n", L"char-encoding: win1252\r\n"})
      EXPECT_TRUE(Contains(merged, line)) << rig::Narrow(line) << " in " << rig::Narrow(merged);

    // Tidy itself reads the merged script: a bare html5 gives its doctype.
    d.Click("bRunTidy");
    d.Sync();
    EXPECT_TRUE(rig::IsEnabled(d.Get("bOK")));
    d.Click("bOK");
  });
  EXPECT_EQ(2, result.kind);
  EXPECT_NE(std::string::npos, result.text.find("<!DOCTYPE html>")) << result.text;
}

}  // namespace
