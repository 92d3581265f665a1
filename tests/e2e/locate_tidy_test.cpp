// Locating Tidy.exe in the real dialog, with nothing to find around it (a
// folder named Tidy.exe beside the library does not count): from the script
// page's reset through the question to the folder browser as the plug-in
// opens it, its status line following the selection, the default file and
// the script that keep the chosen path, and the browser opening again at it.
#include <gtest/gtest.h>

#include <string>

#include "rig/rig.h"

namespace {

using rig::Dialog;

constexpr wchar_t kNotFound[] = L"Tidy.exe konnte nicht gefunden werden.";

bool Contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

void Answer(const std::wstring& question, int button) { rig::AnswerMessageBox(rig::WaitForMessageBox(question), button); }

// The browser's status line: the static text under its title.
HWND StatusLine(HWND browser) {
  for (HWND w = ::GetWindow(rig::FindChildWindow(browser, L"Static"), GW_HWNDNEXT); w; w = ::GetWindow(w, GW_HWNDNEXT))
    if (rig::ClassName(w) == L"Static") return w;
  return nullptr;
}

// The status line comes to show `text`, after selecting the folder `select` if one is given.
::testing::AssertionResult StatusShows(HWND browser, const std::wstring& text, const std::wstring& select = {}) {
  auto shown = [&] { return rig::WindowText(StatusLine(browser)) == text; };
  const bool ok = select.empty() ? rig::WaitUntil(shown) : rig::SelectFolder(browser, select, shown);
  return ::testing::AssertionResult(ok) << "the status line shows \"" << rig::Narrow(rig::WindowText(StatusLine(browser)))
                                       << "\", not \"" << rig::Narrow(text) << "\"";
}

TEST(LocateTidy, FromTheScriptPageThroughTheBrowserToTheDefaultFile) {
  rig::PluginFolder plugin("locate");
  const std::wstring empty = plugin.Path(L"leer"), without = plugin.Path(L"ohne"), with = plugin.Path(L"Tidy Ordner");
  for (const std::wstring& folder : {empty, without, with, plugin.Path(L"Tidy.exe")})
    ::CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring tidy = with + L"\\Tidy.exe";
  ASSERT_TRUE(::CopyFileW(rig::BuiltTidyPath().c_str(), tidy.c_str(), FALSE));
  ::SetEnvironmentVariableW(L"PATH", empty.c_str());
  ::SetCurrentDirectoryW(empty.c_str());
  const std::wstring pathLine = L"// Path to Tidy.exe: " + tidy + L"\r\n";

  rig::RunDialog(plugin, "<p>x", [&](Dialog& d) {
    Answer(kNotFound, IDNO);  // the first reading found no Tidy
    // Through the browser to the default file, asked for by the script page's
    // reset, whose factory settings find no Tidy either, then by a run after
    // the user took that Tidy away.
    for (const char* asking : {"Button3", "bRunTidy"}) {
      SCOPED_TRACE(asking);
      const bool run = asking[0] == 'b';
      d.SelectPage("Pages", run ? 0 : 3);
      if (run) ::MoveFileW(tidy.c_str(), (tidy + L".weg").c_str());
      d.Click(asking);
      Answer(kNotFound, IDYES);
      HWND browser = rig::WaitForFolderBrowser();
      ASSERT_TRUE(browser);
      if (run) ::MoveFileW((tidy + L".weg").c_str(), tidy.c_str());
      // The title and the status line take the tree's width; the search
      // button sits under them, in OK's row, and keeps a gap to OK.
      HWND search = rig::FindChildWindow(browser, L"Button", L"Tidy automatisch suchen");
      HWND title = rig::FindChildWindow(browser, L"Static");
      const RECT tree = rig::RectInParent(rig::FindChildWindow(browser, L"SysTreeView32"));
      for (const RECT label : {rig::RectInParent(title), rig::RectInParent(StatusLine(browser))})
        EXPECT_TRUE(label.left == tree.left && label.right == tree.right) << label.left << ".." << label.right;
      const RECT button = rig::RectInParent(search), ok = rig::RectInParent(::GetDlgItem(browser, IDOK));
      EXPECT_EQ(rig::RectInParent(title).left, button.left);
      EXPECT_EQ(ok.top, button.top);
      EXPECT_LE(button.right + rig::RectInParent(::GetDlgItem(browser, IDCANCEL)).left - ok.right, ok.left);

      EXPECT_TRUE(StatusShows(browser, L"Gefunden in " + with, with));
      ::PostMessageW(browser, WM_COMMAND, IDOK, 0);
      Answer(L"sollten Sie jetzt eine Standard-Einstellungsdatei speichern.", IDYES);
      d.Sync();  // the posted click on "&als Standard" has been handled
      d.Sync();
      EXPECT_TRUE(Contains(rig::FromAnsi(rig::ReadFileBytes(plugin.Path(L"Markwash.cfg"))), pathLine));
      EXPECT_EQ(tidy, d.Text("lTidyPath"));
      if (!run) EXPECT_TRUE(Contains(d.Text("mCfg"), pathLine));
      ::DeleteFileW(plugin.Path(L"Markwash.cfg").c_str());  // so that the reset asks nothing
    }

    d.Click("lTidyPath");
    HWND browser = rig::WaitForFolderBrowser();
    EXPECT_TRUE(StatusShows(browser, L"Gefunden in " + with)) << "the browser opens at the current Tidy.exe";
    EXPECT_TRUE(StatusShows(browser, L"Nicht gefunden in " + without, without));
    ::PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);  // only OK changes the path
    d.Sync();
    EXPECT_EQ(tidy, d.Text("lTidyPath"));
    d.Click("bCancel");
  });
}

}  // namespace
