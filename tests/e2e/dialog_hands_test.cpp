// The dialog under a user's hands: real keys (with their modifiers) and a
// real mouse through SendInput, hand-edited placement files, maximise, drag
// and restore. Each wait waits for a focus, a page, a size or a file.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "rig/rig.h"

namespace {

using rig::Dialog;

void Send(std::vector<INPUT> inputs) { ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)); }

INPUT Key(WORD key, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  const bool extended = key == VK_PRIOR || key == VK_NEXT || (key >= VK_LEFT && key <= VK_DOWN);
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
  return in;
}

// The key pressed while the modifiers are held down.
void Press(WORD key, std::initializer_list<WORD> held = {}) {
  std::vector<INPUT> inputs;
  for (WORD m : held) inputs.push_back(Key(m, false));
  inputs.push_back(Key(key, false));
  inputs.push_back(Key(key, true));
  for (WORD m : held) inputs.push_back(Key(m, true));
  Send(inputs);
}

INPUT Mouse(DWORD flags, POINT at = {}) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = at.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = at.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = flags;
  return in;
}

INPUT MoveTo(POINT at) { return Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at); }

POINT CentreOf(HWND window) {
  RECT r;
  ::GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

int Width(HWND window) {
  RECT r;
  ::GetWindowRect(window, &r);
  return r.right - r.left;
}

// The dialog's thread runs the system's loop that moves or sizes a window.
bool InMoveOrSize(const Dialog& d) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return ::GetGUIThreadInfo(::GetWindowThreadProcessId(d.window(), nullptr), &info) && (info.flags & GUI_INMOVESIZE);
}

bool FocusBecomes(const Dialog& d, HWND window) {
  return rig::WaitUntil([&] { return d.FocusedWindow() == window; });
}

bool PageBecomes(const Dialog& d, const char* pageControl, int index) {
  return rig::WaitUntil([&] { return d.ActivePage(pageControl) == index; });
}

// The side groups and splitters of the options page lie within it, and the
// middle group keeps its minimum.
void ExpectGroupsWithinThePage(const Dialog& d) {
  RECT page;
  ::GetClientRect(d.Get("tsOptions"), &page);
  EXPECT_EQ(page.right, rig::RectInParent(d.Get("gFormats")).right);
  EXPECT_GE(Width(d.Get("gHtmlProperties")), 185);
  EXPECT_GE(Width(d.Get("gSourceFormatting")), 185);
  EXPECT_GE(Width(d.Get("gFormats")), 190);
  EXPECT_LT(rig::RectInParent(d.Get("RightSplitter")).right, page.right);
}

std::string IniValue(const std::wstring& ini, const std::string& key) {
  const std::string text = rig::ReadFileBytes(ini);
  const size_t at = text.find("\n" + key + "=");
  if (at == std::string::npos) return "<missing>";
  const size_t start = at + key.size() + 2;
  return text.substr(start, text.find_first_of("\r\n", start) - start);
}

// Hand-edited widths and window states: each opens a dialog whose groups
// all show, in a normal window; what is stored again is what was shown.
TEST(DialogHands, StoredValuesOpenAUsableDialog) {
  struct Case {
    const char* what;
    const char* section;
    int sourceWidth, formatsWidth;
  };
  const Case cases[] = {
      {"too wide, negative, minimised", "gSourceFormatting_Width=-50\r\ngFormats_Width=5000\r\nShowCmd=2\r\n", 185, 201},
      {"no number, too wide, minimised", "gSourceFormatting_Width=5000\r\ngFormats_Width=abc\r\nShowCmd=7\r\n", 196, 190},
      {"minimised", "ShowCmd=6\r\n", 185, 190},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    rig::PluginFolder plugin("hands-stored");
    plugin.CopyTidyHere();
    const std::wstring ini = plugin.Path(L"Markwash.ini");
    rig::WriteFileBytes(ini, std::string("[GUI]\r\nNormPos=100,80,693,550\r\n") + c.section);
    rig::RunDialog(plugin, "x", [&](Dialog& d) {
      EXPECT_FALSE(::IsIconic(d.window()));
      RECT r;
      ::GetWindowRect(d.window(), &r);
      EXPECT_EQ(100, r.left);
      EXPECT_EQ(550, r.bottom);
      EXPECT_EQ(c.sourceWidth, Width(d.Get("gSourceFormatting")));
      EXPECT_EQ(c.formatsWidth, Width(d.Get("gFormats")));
      ExpectGroupsWithinThePage(d);
      d.Click("bCancel");
    });
    EXPECT_EQ(std::to_string(c.sourceWidth), IniValue(ini, "gSourceFormatting_Width"));
    EXPECT_EQ(std::to_string(c.formatsWidth), IniValue(ini, "gFormats_Width"));
  }
}

// A picture taken after a change equals one taken after the whole dialog
// has been painted again: nothing stale is left, and the picture waits for
// the paint.
void ExpectPictureAsRepainted(const rig::PluginFolder& plugin, const Dialog& d, const std::wstring& name) {
  const std::wstring shown = plugin.Path(name + L".png"), repainted = plugin.Path(name + L"-repainted.png");
  ASSERT_TRUE(d.SaveScreenshot(shown));
  ::RedrawWindow(d.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  ASSERT_TRUE(d.SaveScreenshot(repainted));
  EXPECT_TRUE(rig::ReadFileBytes(shown) == rig::ReadFileBytes(repainted)) << rig::Narrow(name);
}

TEST(DialogHands, MaximiseDragRestoreAndBorderDragKeepTheLayoutWhole) {
  rig::PluginFolder plugin("hands-layout");
  plugin.CopyTidyHere();
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    ExpectPictureAsRepainted(plugin, d, L"options-designed");
    ::PostMessageW(d.window(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(rig::WaitUntil([&] { return ::IsZoomed(d.window()) != FALSE; }));
    d.Sync();
    HWND splitter = d.Get("LeftSplitter");
    rig::PostMouse(splitter, WM_LBUTTONDOWN, 1, 20, MK_LBUTTON);
    rig::PostMouse(splitter, WM_MOUSEMOVE, 1000, 20, MK_LBUTTON);
    rig::PostMouse(splitter, WM_LBUTTONUP, 1000, 20);
    d.Sync();
    EXPECT_EQ(185, Width(d.Get("gHtmlProperties")));
    ExpectPictureAsRepainted(plugin, d, L"options-maximised");
    ::PostMessageW(d.window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(rig::WaitUntil([&] { return !::IsZoomed(d.window()); }));
    d.Sync();
    ExpectGroupsWithinThePage(d);
    EXPECT_EQ(196, Width(d.Get("gSourceFormatting")));
    ExpectPictureAsRepainted(plugin, d, L"options-restored");

    // A real drag of the lower right corner: everything uncovered or moved is painted.
    RECT r;
    ::GetWindowRect(d.window(), &r);
    Send({MoveTo({r.right - 3, r.bottom - 3}), Mouse(MOUSEEVENTF_LEFTDOWN)});
    ASSERT_TRUE(rig::WaitUntil([&] { return InMoveOrSize(d); }));
    Send({MoveTo({r.right + 120, r.bottom + 80})});
    EXPECT_TRUE(rig::WaitUntil([&] { return Width(d.window()) > r.right - r.left + 100; }));
    Send({Mouse(MOUSEEVENTF_LEFTUP)});
    EXPECT_TRUE(rig::WaitUntil([&] { return !InMoveOrSize(d); }));
    ExpectPictureAsRepainted(plugin, d, L"options-border-drag");
    // The same for a long path set into the label.
    d.SetText("lTidyPath", L"C:\\Programme\\Ein sehr langer Ordnername\\Noch ein Ordner\\HTML Tidy\\bin\\Tidy.exe");
    ExpectPictureAsRepainted(plugin, d, L"options-long-path");
    d.Click("bCancel");
  });
}

// Makes the shell open web addresses with a command that appends each
// address to a file, for as long as it lives.
class OpenedAddresses {
 public:
  explicit OpenedAddresses(const std::wstring& file) : file_(file) {
    wchar_t previous[1024] = L"";
    LONG size = sizeof previous;
    if (::RegQueryValueW(HKEY_CLASSES_ROOT, kKey, previous, &size) == ERROR_SUCCESS) previous_ = previous;
    Set(L"cmd.exe /c echo %1>>\"" + file + L"\"");
  }
  ~OpenedAddresses() { Set(previous_); }
  OpenedAddresses(const OpenedAddresses&) = delete;
  OpenedAddresses& operator=(const OpenedAddresses&) = delete;
  bool WaitFor(const std::string& line) const {
    return rig::WaitUntil([&] { return rig::ReadFileBytes(file_).find(line + "\r\n") != std::string::npos; });
  }

 private:
  static constexpr const wchar_t* kKey = L"https\\shell\\open\\command";
  static void Set(const std::wstring& value) {
    ::RegSetValueW(HKEY_CLASSES_ROOT, kKey, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() * sizeof(wchar_t)));
  }
  std::wstring file_, previous_;
};

TEST(DialogHands, EveryPageAndControlByKeyboardAndLinksOpenOnce) {
  rig::PluginFolder plugin("hands-keys");
  plugin.CopyTidyHere();
  OpenedAddresses opened(plugin.Path(L"opened.txt"));
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    ASSERT_TRUE(rig::WaitUntil([&] { return ::GetForegroundWindow() == d.window(); }));
    // A group caption's letter leads to the group's first control.
    const std::pair<WORD, const char*> groups[] = {{'Q', "cbMarkup"}, {'H', "cbHideEndTags"}, {'F', "cbInputXML"}};
    for (const auto& [letter, first] : groups) {
      d.Focus(d.Get("bRunTidy"));
      Press(letter, {VK_MENU});
      EXPECT_TRUE(FocusBecomes(d, d.Get(first))) << first;
    }

    // Tab goes round the whole page, through both tab strips and past the
    // number fields; Shift+Tab goes back.
    HWND pages = d.Get("Pages");
    d.Focus(pages);
    std::vector<HWND> cycle{pages};
    for (int i = 0; i < 60; ++i) {
      Press(VK_TAB);
      ASSERT_TRUE(rig::WaitUntil([&] { return d.FocusedWindow() != cycle.back(); }))
          << "Tab stays in " << rig::ControlName(cycle.back());
      if (d.FocusedWindow() == pages) break;
      cycle.push_back(d.FocusedWindow());
    }
    EXPECT_EQ(pages, d.FocusedWindow());
    for (const char* name : {"pcNewTags", "eNewBlocklevelTags", "eWrap", "eIndentSpaces", "bSaveOptions", "bCancel"})
      ASSERT_NE(cycle.end(), std::find(cycle.begin(), cycle.end(), d.Get(name))) << name << " is not in the Tab cycle";
    for (const char* name : {"eWrap", "eIndentSpaces"}) {
      const auto at = std::find(cycle.begin(), cycle.end(), d.Get(name));
      d.Focus(*at);
      Press(VK_TAB, {VK_SHIFT});
      EXPECT_TRUE(FocusBecomes(d, *(at - 1))) << "Shift+Tab from " << name;
    }

    // A number field left with a text out of range shows the number in effect.
    // (Too long to type into the narrow wrap field, 40000 is put in.)
    struct Typed {
      const char* field;
      const wchar_t* text;
      bool typed;
    };
    for (const Typed& t : {Typed{"eIndentSpaces", L"33", true}, Typed{"eWrap", L"-5", true}, Typed{"eWrap", L"40000", false}}) {
      HWND field = d.Get(t.field);
      const std::wstring before = rig::WindowText(field), text = t.text;
      d.Focus(field);
      if (!t.typed) d.SetText(t.field, text);
      for (const wchar_t* c = t.typed ? t.text : L""; *c; ++c) d.TypeChar(field, *c);
      d.Sync();
      ASSERT_EQ(text, rig::WindowText(field));
      Press(VK_TAB);
      EXPECT_TRUE(rig::WaitUntil([&] { return rig::WindowText(field) == before; })) << t.field << " " << rig::Narrow(text);
    }

    // Arrow keys on a focused tab strip switch its tabs.
    d.Focus(d.Get("pcNewTags"));
    Press(VK_RIGHT);
    EXPECT_TRUE(PageBecomes(d, "pcNewTags", 1));
    EXPECT_TRUE(::IsWindowVisible(d.Get("eNewInlineTags")));
    d.Focus(pages);
    Press(VK_RIGHT);
    EXPECT_TRUE(PageBecomes(d, "Pages", 1));
    Press(VK_LEFT);
    EXPECT_TRUE(PageBecomes(d, "Pages", 0));

    // The page keys from anywhere, round all five pages and back; a script
    // edited on "Config-Datei" takes effect when the page is left by keyboard.
    d.Focus(d.Get("cbMarkup"));
    for (int page : {1, 2, 3, 4, 0}) {
      Press(VK_TAB, {VK_CONTROL});
      EXPECT_TRUE(PageBecomes(d, "Pages", page)) << page;
    }
    Press(VK_TAB, {VK_CONTROL, VK_SHIFT});
    EXPECT_TRUE(PageBecomes(d, "Pages", 4));
    Press(VK_PRIOR, {VK_CONTROL});
    ASSERT_TRUE(PageBecomes(d, "Pages", 3));
    d.SetText("mCfg", L"wrap: 40\r\n");
    d.Focus(d.Get("mCfg"));
    Press(VK_NEXT, {VK_CONTROL});
    EXPECT_TRUE(PageBecomes(d, "Pages", 4));
    EXPECT_EQ(L"40", d.Text("eWrap"));
    EXPECT_NE(d.Get("mCfg"), d.FocusedWindow()) << "the focus stays on a hidden page";

    // One double click on a link opens it once. A single click on the
    // version line (a label without a target) marks the end of the double
    // click's messages.
    rig::CommandRecorder commands(d.window());
    HWND version = d.Get("lAboutVersion");
    const INPUT down = Mouse(MOUSEEVENTF_LEFTDOWN), up = Mouse(MOUSEEVENTF_LEFTUP);
    Send({MoveTo(CentreOf(d.Get("lTidySF"))), down, up, down, up, MoveTo(CentreOf(version)), down, up});
    EXPECT_TRUE(rig::WaitUntil([&] { return commands.Saw(::GetDlgCtrlID(version), BN_CLICKED); }));
    EXPECT_EQ(2u, commands.Count()) << "clicks on the link and on the version line";
    EXPECT_TRUE(opened.WaitFor("https://github.com/htacg/tidy-html5"));
    d.Click("bCancel");
  });
}

}  // namespace
