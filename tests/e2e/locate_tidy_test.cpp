// Locating Tidy.exe in the real dialog: the not-found question of a run, the
// folder browser with its title, status feedback and automatic search, the
// download offer, the path label's text and weight, and the default option
// file that keeps the path.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "rig/rig.h"

namespace {

using rig::Dialog;

constexpr wchar_t kNotFoundQuestion[] = L"Tidy.exe konnte nicht gefunden werden.";
constexpr wchar_t kSaveDefaultQuestion[] = L"sollten Sie jetzt eine Standard-Einstellungsdatei speichern.";
constexpr wchar_t kDownloadOffer[] = L"Wollen Sie Tidy.exe jetzt downloaden? (WWW-Browser erforderlich)";
constexpr wchar_t kNotFoundText[] = L"Tidy.exe nicht gefunden!";

HWND StatusLabel(HWND browser) {
  HWND first = rig::FindChildWindow(browser, L"Static");
  for (HWND w = ::GetWindow(first, GW_HWNDNEXT); w; w = ::GetWindow(w, GW_HWNDNEXT))
    if (rig::ClassName(w) == L"Static") return w;
  return nullptr;
}

std::wstring WithoutBackslash(std::wstring folder) {
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return folder;
}

bool LabelIsBold(HWND label) {
  LOGFONTW font{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfWeight >= FW_BOLD;
}

::testing::AssertionResult StatusIs(HWND browser, const std::wstring& status, bool shown) {
  if (shown) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the status line shows \"" << rig::Narrow(rig::WindowText(StatusLabel(browser)))
                                       << "\" instead of \"" << rig::Narrow(status) << "\"";
}

// Selects a folder as a click in the tree would and waits for the status line's verdict.
::testing::AssertionResult SelectAndExpect(HWND browser, const std::wstring& folder, const std::wstring& status) {
  return StatusIs(browser, status, rig::SelectFolder(browser, folder, [&] {
    return rig::WindowText(StatusLabel(browser)) == status;
  }));
}

// Presses the search button and waits for the status line's verdict on the
// folder it selects.
::testing::AssertionResult SearchAndExpect(HWND browser, HWND search, const std::wstring& folder,
                                           const std::wstring& status) {
  return StatusIs(browser, status, rig::SelectInFolderBrowser(
                                       browser, folder, [&](bool) { ::PostMessageW(search, BM_CLICK, 0, 0); },
                                       [&] { return rig::WindowText(StatusLabel(browser)) == status; }));
}

::testing::AssertionResult StatusBecomes(HWND browser, const std::wstring& text) {
  if (rig::WaitUntil([&] { return rig::WindowText(StatusLabel(browser)) == text; }))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the status line shows \"" << rig::Narrow(rig::WindowText(StatusLabel(browser)))
                                       << "\"";
}


// Each test sets PATH and the current directory to folders of its own and
// gets the process's back afterwards.
class LocateTidyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t buffer[32768];
    path_.assign(buffer, ::GetEnvironmentVariableW(L"PATH", buffer, 32768));
    current_.assign(buffer, ::GetCurrentDirectoryW(32768, buffer));
  }
  void TearDown() override {
    ::SetEnvironmentVariableW(L"PATH", path_.c_str());
    ::SetCurrentDirectoryW(current_.c_str());
  }
  // A folder beside the plug-in, optionally with Tidy under the given name.
  static std::wstring MakeFolder(const rig::PluginFolder& plugin, const std::wstring& name,
                                 const wchar_t* tidyName = nullptr) {
    const std::wstring folder = plugin.Path(name) + L"\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    if (tidyName) ::CopyFileW(rig::BuiltTidyPath().c_str(), (folder + tidyName).c_str(), FALSE);
    return folder;
  }
  // PATH and the current directory point at empty folders, so nothing is found.
  void NothingAround(const rig::PluginFolder& plugin) {
    const std::wstring empty = MakeFolder(plugin, L"leer");
    ::SetEnvironmentVariableW(L"PATH", WithoutBackslash(empty).c_str());
    ::SetCurrentDirectoryW(empty.c_str());
  }
  static void AnswerStartupQuestion() {
    rig::AnswerMessageBox(rig::WaitForMessageBox(kNotFoundQuestion), IDNO);
  }
  std::wstring path_, current_;
};

TEST_F(LocateTidyTest, RunWithoutTidyAsksAndLeadsThroughTheBrowserToASavedDefault) {
  rig::PluginFolder plugin("locate-run");
  NothingAround(plugin);
  const std::wstring tidyFolder = MakeFolder(plugin, L"Tidy Ordner", L"TIDY.EXE");
  rig::RunDialog(plugin, "<p>x", [&](Dialog& d) {
    AnswerStartupQuestion();  // reading the factory settings found no Tidy either
    d.Sync();
    HWND label = d.Get("lTidyPath");
    EXPECT_EQ(kNotFoundText, rig::WindowText(label));
    EXPECT_TRUE(LabelIsBold(label));

    // No: nothing else happens.
    d.Click("bRunTidy");
    HWND question = rig::WaitForMessageBox(kNotFoundQuestion);
    ASSERT_TRUE(question);
    EXPECT_TRUE(rig::HasButton(question, IDYES) && rig::HasButton(question, IDNO));
    EXPECT_FALSE(rig::HasButton(question, IDCANCEL));
    rig::AnswerMessageBox(question, IDNO);
    d.Sync();
    EXPECT_FALSE(rig::FindFolderBrowser());
    EXPECT_FALSE(rig::OpenMessageBox());
    EXPECT_EQ(0, d.ActivePage("Pages"));
    EXPECT_TRUE(rig::ListFolder(plugin.tempFolder()).empty());

    // Yes: the folder browser.
    d.Click("bRunTidy");
    rig::AnswerMessageBox(rig::WaitForMessageBox(kNotFoundQuestion), IDYES);
    HWND browser = rig::WaitForFolderBrowser();
    ASSERT_TRUE(browser);
    EXPECT_TRUE(rig::FindChildWindow(
        browser, L"Static",
        L"Bitte w\u00e4hlen Sie den Ordner mit Tidy.exe (Tidy-Download von https://www.html-tidy.org/)."));
    EXPECT_TRUE(rig::FindChildWindow(browser, L"Button", L"Tidy automatisch suchen"));
    // (A folder without Tidy: the next test.)
    EXPECT_TRUE(SelectAndExpect(browser, tidyFolder, L"Gefunden in " + WithoutBackslash(tidyFolder)));
    ::PostMessageW(browser, WM_COMMAND, IDOK, 0);

    rig::AnswerMessageBox(rig::WaitForMessageBox(kSaveDefaultQuestion), IDYES);
    d.Sync();  // the posted click on "&als Standard" has been handled
    d.Sync();
    EXPECT_EQ(tidyFolder + L"Tidy.exe", rig::WindowText(label));
    EXPECT_FALSE(LabelIsBold(label));
    const std::string saved = rig::ReadFileBytes(plugin.Path(L"Markwash.cfg"));
    EXPECT_NE(std::string::npos, saved.find("// Path to Tidy.exe: " + rig::ToAnsi(tidyFolder) + "Tidy.exe\r\n"))
        << saved;
    // No run in this click.
    EXPECT_EQ(0, d.ActivePage("Pages"));
    EXPECT_EQ(L"", d.Text("mErrors"));

    d.Click("bRunTidy");
    d.Sync();
    EXPECT_EQ(1, d.ActivePage("Pages"));
    EXPECT_NE(std::wstring::npos, d.Text("mErrors").find(L"Tidy found"));
    d.Click("bCancel");
  });
}

TEST_F(LocateTidyTest, OkOnAFolderWithoutTidyLeavesTheBoldNotFoundText) {
  rig::PluginFolder plugin("locate-wrong");
  NothingAround(plugin);
  const std::wstring otherFolder = MakeFolder(plugin, L"ohne");
  rig::RunDialog(plugin, "<p>x", [&](Dialog& d) {
    AnswerStartupQuestion();
    d.Click("lTidyPath");
    HWND browser = rig::WaitForFolderBrowser();
    ASSERT_TRUE(browser);
    EXPECT_TRUE(SelectAndExpect(browser, otherFolder, L"Nicht gefunden in " + WithoutBackslash(otherFolder)));
    ::PostMessageW(browser, WM_COMMAND, IDOK, 0);
    d.Sync();
    EXPECT_EQ(kNotFoundText, d.Text("lTidyPath"));
    EXPECT_TRUE(LabelIsBold(d.Get("lTidyPath")));
    d.Click("bCancel");
  });
}

// The shell's tree shows the folders as they were when the browser opened, so
// files are only added while it is closed; PATH and the current directory
// change while it is open.
TEST_F(LocateTidyTest, SearchButtonFindsTidyInPathCurrentDirectoryAndLibraryFolder) {
  rig::PluginFolder plugin("locate-search");
  NothingAround(plugin);
  const std::wstring inPath = MakeFolder(plugin, L"im Pfad", L"Tidy.exe");
  const std::wstring current = MakeFolder(plugin, L"aktuell", L"Tidy.exe");
  rig::RunDialog(plugin, "<p>x", [&](Dialog& d) {
    AnswerStartupQuestion();
    d.Click("lTidyPath");
    HWND browser = rig::WaitForFolderBrowser();
    ASSERT_TRUE(browser);
    HWND search = rig::FindChildWindow(browser, L"Button", L"Tidy automatisch suchen");
    ASSERT_TRUE(search);

    // Nothing anywhere: the download offer; No keeps the browser open.
    ::PostMessageW(search, BM_CLICK, 0, 0);
    HWND offer = rig::WaitForMessageBox(kDownloadOffer);
    ASSERT_TRUE(offer);
    EXPECT_TRUE(rig::HasButton(offer, IDYES) && rig::HasButton(offer, IDNO) && rig::HasButton(offer, IDCANCEL));
    rig::AnswerMessageBox(offer, IDNO);
    EXPECT_TRUE(rig::WaitUntil([] { return rig::OpenMessageBox() == nullptr; }));
    EXPECT_TRUE(rig::FindFolderBrowser());

    // In PATH.
    ::SetEnvironmentVariableW(L"PATH", (L"C:\\nirgends;" + WithoutBackslash(inPath)).c_str());
    EXPECT_TRUE(SearchAndExpect(browser, search, inPath, L"Gefunden in " + WithoutBackslash(inPath)));

    ::PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);
    d.Sync();

    // Tidy in the current directory is found before PATH, by its bare name.
    // (Each step opens the browser anew: Wine's tree moves its selection
    // reliably only once the folders it shows are freshly read.)
    ::SetCurrentDirectoryW(current.c_str());
    d.Click("lTidyPath");
    browser = rig::WaitForFolderBrowser();
    ASSERT_TRUE(browser);
    search = rig::FindChildWindow(browser, L"Button", L"Tidy automatisch suchen");
    EXPECT_TRUE(SearchAndExpect(browser, search, current, L"Gefunden in " + WithoutBackslash(current)));
    ::PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);
    d.Sync();
    EXPECT_EQ(kNotFoundText, d.Text("lTidyPath"));  // only OK writes the label
    EXPECT_TRUE(LabelIsBold(d.Get("lTidyPath")));

    // The library folder comes first, and "tidy_win32.exe" before any Tidy.exe.
    ::SetCurrentDirectoryW(plugin.Path(L"leer").c_str());
    ::CopyFileW(rig::BuiltTidyPath().c_str(), plugin.Path(L"Tidy_Win32.exe").c_str(), FALSE);
    d.Click("lTidyPath");
    browser = rig::WaitForFolderBrowser();
    ASSERT_TRUE(browser);
    search = rig::FindChildWindow(browser, L"Button", L"Tidy automatisch suchen");
    EXPECT_TRUE(SearchAndExpect(browser, search, plugin.folder(), L"Gefunden in " + WithoutBackslash(plugin.folder())));
    ::PostMessageW(browser, WM_COMMAND, IDOK, 0);
    d.Sync();
    EXPECT_EQ(plugin.folder() + L"tidy_win32.exe", d.Text("lTidyPath"));
    EXPECT_FALSE(LabelIsBold(d.Get("lTidyPath")));
    d.Click("bCancel");
  });
}

TEST_F(LocateTidyTest, CancelKeepsAValidLabelAndTheBrowserOpensAtItsFolder) {
  rig::PluginFolder plugin("locate-cancel");
  NothingAround(plugin);
  plugin.CopyTidyHere();
  rig::RunDialog(plugin, "<p>x", [&](Dialog& d) {
    const std::wstring path = plugin.Path(L"Tidy.exe");
    EXPECT_TRUE(rig::WaitUntil([&] { return d.Text("lTidyPath") == path; }));
    d.Click("lTidyPath");
    HWND browser = rig::WaitForFolderBrowser();
    ASSERT_TRUE(browser);
    EXPECT_TRUE(StatusBecomes(browser, L"Gefunden in " + WithoutBackslash(plugin.folder())));
    ::PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);
    d.Sync();
    EXPECT_EQ(path, d.Text("lTidyPath"));
    EXPECT_FALSE(LabelIsBold(d.Get("lTidyPath")));
    d.Click("bCancel");
  });
}

}  // namespace
