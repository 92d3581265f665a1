// Link labels and the about page: texts, the path label's hover look and
// hint under the real mouse pointer, click notifications, and the targets
// that the links hand to the shell.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "rig/rig.h"

namespace {

using rig::Dialog;

bool StartsWith(const std::wstring& text, const std::wstring& start) { return text.rfind(start, 0) == 0; }

int Height(HWND window) {
  RECT r;
  ::GetWindowRect(window, &r);
  return r.bottom - r.top;
}

POINT CentreOf(HWND window) {
  RECT r;
  ::GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST(DialogLinks, AboutPageTexts) {
  rig::PluginFolder plugin("about-texts");
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    d.SelectPage("Pages", 4);
    EXPECT_EQ(L"\u00DCber das Plugin...", d.Text("TabSheet1"));
    EXPECT_EQ(L"Version vom 2002-01-06 (Alpha-Version)", d.Text("lAboutVersion"));
    EXPECT_TRUE(StartsWith(d.Text("lAuthorEmail"), L"EMail-Kontakt bez\u00FCglich des Plugins: "));
    EXPECT_TRUE(StartsWith(d.Text("lAuthorHP"), L"Homepage: "));
    EXPECT_EQ(L"https://github.com/htacg/tidy-html5", d.Text("lTidySF"));
    EXPECT_EQ(L"https://binaries.html-tidy.org/", d.Text("lTidyDownload"));
    for (const char* name : {"lAboutVersion", "lAuthorEmail", "lAuthorHP", "lTidySF", "lTidyDownload"}) {
      SCOPED_TRACE(name);
      EXPECT_EQ(L"TLinkLabel", rig::ClassName(d.Get(name)));
    }
    for (const char* name : {"lAboutVersion", "lAuthorEmail", "lTidySF", "lTidyDownload"}) EXPECT_EQ(20, Height(d.Get(name)));
    for (const char* name : {"lAuthorEmail", "lAuthorHP", "lTidySF", "lTidyDownload"}) {
      LOGFONTW font{};
      ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(d.Get(name), WM_GETFONT, 0, 0)), sizeof font, &font);
      EXPECT_TRUE(font.lfUnderline) << name;
      EXPECT_EQ(-11, font.lfHeight) << name;
    }
    d.Click("bCancel");
  });
}

TEST(DialogLinks, PathLabelUnderlinesUnderThePointerShowsItsHintAndReportsClicks) {
  rig::PluginFolder plugin("path-label");
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    HWND label = d.Get("lTidyPath");
    ::SetCursorPos(0, 0);
    d.Sync();
    const auto plain = rig::PrintClient(label);
    const POINT centre = CentreOf(label);
    ::SetCursorPos(centre.x, centre.y);
    EXPECT_TRUE(rig::WaitUntil([&] { return rig::PrintClient(label) != plain; }, 5000)) << "no hover look";
    HWND tip = rig::HintWindowOf(d.window());
    EXPECT_TRUE(rig::WaitUntil([&] { return ::IsWindowVisible(tip) != FALSE; }, 5000)) << "no hint shown";
    ::SetCursorPos(0, 0);
    EXPECT_TRUE(rig::WaitUntil([&] { return rig::PrintClient(label) == plain; }, 5000)) << "hover look stays";

    rig::CommandRecorder commands(d.window());
    rig::PostMouse(label, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    rig::PostMouse(label, WM_LBUTTONUP, 10, 10);
    d.Sync();
    EXPECT_TRUE(commands.Saw(::GetDlgCtrlID(label), BN_CLICKED));
    d.Click("bCancel");
  });
}

}  // namespace
