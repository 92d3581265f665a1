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

TEST(DialogLinks, PathLabelUnderlinesUnderThePointerShowsItsHintAndReportsClicks) {
  rig::PluginFolder plugin("path-label");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    HWND label = d.Get("lTidyPath");
    ::SetCursorPos(0, 0);
    d.Sync();
    const auto plain = rig::PrintClient(label);
    const POINT centre = CentreOf(label);
    ::SetCursorPos(centre.x, centre.y);
    EXPECT_TRUE(rig::WaitUntil([&] { return rig::PrintClient(label) != plain; })) << "no hover look";
    HWND tip = rig::HintWindowOf(d.window());
    EXPECT_TRUE(rig::WaitUntil([&] { return ::IsWindowVisible(tip) != FALSE; })) << "no hint shown";
    ::SetCursorPos(0, 0);
    EXPECT_TRUE(rig::WaitUntil([&] { return rig::PrintClient(label) == plain; })) << "hover look stays";

    rig::CommandRecorder commands(d.window());
    rig::PostMouse(label, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    rig::PostMouse(label, WM_LBUTTONUP, 10, 10);
    d.Sync();
    EXPECT_TRUE(commands.Saw(::GetDlgCtrlID(label), BN_CLICKED));
    // The click locates Tidy.exe in the folder browser; cancelled, it changes nothing.
    HWND browser = nullptr;
    EXPECT_TRUE(rig::WaitUntil([&] { return (browser = rig::OpenSideDialog()) != nullptr; }));
    if (browser) ::PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(rig::WaitUntilClosed(browser));
    d.Click("bCancel");
  });
}

// Makes the shell open web and mail addresses with a command that appends
// the address to a file, for as long as it lives (the machine's own handler
// comes back afterwards).
class OpenedAddresses {
 public:
  explicit OpenedAddresses(const std::wstring& file) : file_(file) {
    const std::wstring command = L"cmd.exe /c echo %1>>\"" + file + L"\"";
    for (int i = 0; i < 2; ++i) {
      wchar_t previous[1024] = L"";
      LONG size = sizeof previous;
      if (::RegQueryValueW(HKEY_CLASSES_ROOT, kCommandKeys[i], previous, &size) == ERROR_SUCCESS) previous_[i] = previous;
      Set(kCommandKeys[i], command);
    }
  }
  ~OpenedAddresses() {
    for (int i = 0; i < 2; ++i) Set(kCommandKeys[i], previous_[i]);
  }
  OpenedAddresses(const OpenedAddresses&) = delete;
  OpenedAddresses& operator=(const OpenedAddresses&) = delete;

  bool WaitFor(const std::string& line) const {
    return rig::WaitUntil([&] { return rig::ReadFileBytes(file_).find(line + "\r\n") != std::string::npos; });
  }

 private:
  static constexpr const wchar_t* kCommandKeys[2] = {L"https\\shell\\open\\command", L"mailto\\shell\\open\\command"};
  static void Set(const wchar_t* key, const std::wstring& value) {
    ::RegSetValueW(HKEY_CLASSES_ROOT, key, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() * sizeof(wchar_t)));
  }
  std::wstring file_;
  std::wstring previous_[2];
};

TEST(DialogLinks, AboutPageTextsAndTheAddressesTheLinksOpen) {
  rig::PluginFolder plugin("link-targets");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  OpenedAddresses opened(plugin.Path(L"opened.txt"));
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
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
    d.Click("lTidySF");
    EXPECT_TRUE(opened.WaitFor("https://github.com/htacg/tidy-html5"));
    d.Click("lTidyDownload");
    EXPECT_TRUE(opened.WaitFor("https://binaries.html-tidy.org/"));
    d.Click("lAuthorHP");
    EXPECT_TRUE(opened.WaitFor(rig::Narrow(d.Text("lAuthorHP").substr(10))));
    d.Click("lAuthorEmail");
    const std::wstring mail = d.Text("lAuthorEmail").substr(37);
    EXPECT_TRUE(opened.WaitFor("mailto:" + rig::Narrow(mail) + "?subject=Markwash-Plugin+2002-01-06"));
    d.Click("bCancel");
  });
}

}  // namespace
