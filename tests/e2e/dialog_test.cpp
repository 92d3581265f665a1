// The dialog under a user's hands, opened once and used in sequence: its
// layout on every page at two sizes and its docking, pictures after maximise,
// restore and a border drag, keys (posted and real), the Tab cycle, the
// number fields, and a double click on a link.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "rig/rig.h"

namespace {

using rig::Dialog;

using rig::ScreenRect;
using rig::Width;

POINT CentreOf(HWND w) {
  const RECT r = ScreenRect(w);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

BOOL CALLBACK CollectNamed(HWND w, LPARAM out) {
  if (!rig::ControlName(w).empty() && ::IsWindowVisible(w)) reinterpret_cast<std::vector<HWND>*>(out)->push_back(w);
  return TRUE;
}
std::vector<HWND> VisibleNamedControls(const Dialog& d) {
  std::vector<HWND> found;
  ::EnumChildWindows(d.window(), CollectNamed, reinterpret_cast<LPARAM>(&found));
  return found;
}

int CaptionWidth(HWND w) {
  const std::wstring text = rig::WindowText(w);
  HDC dc = ::GetDC(w);
  HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(w, WM_GETFONT, 0, 0)));
  RECT r{};
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
  ::SelectObject(dc, old);
  ::ReleaseDC(w, dc);
  return r.right;
}

// Every visible control inside its parent, apart from its neighbours (a
// left-aligned label ends with its text; a bevel is a line under its area),
// its caption readable (a check box's box and a button's frame take room).
void CheckPage(const Dialog& d, const std::string& where) {
  auto style = [](HWND w) { return ::GetWindowLongW(w, GWL_STYLE); };
  auto painted = [&](HWND w) {
    RECT r = rig::RectInParent(w);
    if (rig::ClassName(w) == L"Static" && ((style(w) & SS_TYPEMASK) == SS_LEFT || (style(w) & SS_TYPEMASK) == SS_LEFTNOWORDWRAP))
      r.right = std::min<LONG>(r.right, r.left + CaptionWidth(w));
    return r;
  };
  const std::vector<HWND> controls = VisibleNamedControls(d);
  for (HWND c : controls) {
    SCOPED_TRACE(where + ": " + rig::ControlName(c));
    RECT parent, r = painted(c), both;
    ::GetClientRect(::GetParent(c), &parent);
    // (The new-tags edits are one pixel wider than their sheet by design.)
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= parent.right + 1 && r.bottom <= parent.bottom)
        << r.left << "," << r.top << "-" << r.right << "," << r.bottom << " in " << parent.right << "x" << parent.bottom;
    const std::wstring cls = rig::ClassName(c);
    const LONG type = style(c) & BS_TYPEMASK;
    const int frame = cls != L"Button" ? 0 : type == BS_AUTOCHECKBOX || type == BS_CHECKBOX ? 16 : type == BS_GROUPBOX ? 12 : 4;
    if ((cls == L"Button" || cls == L"Static") && !rig::WindowText(c).empty())
      EXPECT_LE(CaptionWidth(c) + frame, r.right - r.left) << rig::Narrow(rig::WindowText(c));
    for (HWND other : controls) {
      const RECT o = painted(other);
      if (other > c && ::GetParent(other) == ::GetParent(c) && cls != L"MarkwashBevel" &&
          rig::ClassName(other) != L"MarkwashBevel")
        EXPECT_FALSE(::IntersectRect(&both, &r, &o)) << "overlaps " << rig::ControlName(other);
    }
  }
}

// Real input through SendInput: it goes to the window in front.
INPUT Key(WORD key, bool up) {
  INPUT in{INPUT_KEYBOARD};
  in.ki.wVk = key;
  in.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  const bool extended = key == VK_PRIOR || key == VK_NEXT || (key >= VK_LEFT && key <= VK_DOWN);
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
  return in;
}
void Send(std::vector<INPUT> in) { ::SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT)); }
void Press(WORD key, std::initializer_list<WORD> held = {}) {
  std::vector<INPUT> in;
  for (WORD m : held) in.push_back(Key(m, false));
  in.push_back(Key(key, false));
  in.push_back(Key(key, true));
  for (WORD m : held) in.push_back(Key(m, true));
  Send(in);
}
INPUT Mouse(DWORD flags, POINT at = {}) {
  INPUT in{INPUT_MOUSE};
  in.mi.dx = at.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = at.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = flags;
  return in;
}
INPUT MoveTo(POINT at) { return Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at); }

TEST(Dialog, LayoutKeysAndLinksInOneUse) {
  rig::PluginFolder plugin("dialog");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    auto focusBecomes = [&](HWND w, DWORD limitMs = rig::kDefaultWaitMs) {
      return rig::WaitUntil([&] { return d.FocusedWindow() == w; }, limitMs);
    };
    auto pageBecomes = [&](const char* tabs, int i) { return rig::WaitUntil([&] { return d.ActivePage(tabs) == i; }); };
    auto resize = [&](int width, int height) {
      ::SetWindowPos(d.window(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      d.Sync();
    };
    // A picture taken after a change equals one taken after everything is painted anew.
    auto expectNothingStale = [&](const std::wstring& name) {
      const std::wstring shown = plugin.Path(name + L".bmp"), repainted = plugin.Path(name + L"-repainted.bmp");
      ASSERT_TRUE(d.SaveScreenshot(shown));
      ::RedrawWindow(d.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      ASSERT_TRUE(d.SaveScreenshot(repainted));
      EXPECT_TRUE(rig::ReadFileBytes(shown) == rig::ReadFileBytes(repainted)) << rig::Narrow(name);
    };

    // As built: the designed size, and only these disabled; each new-tags tab shows its own edit only.
    EXPECT_EQ(593, Width(d.window()));
    std::set<std::string> disabled;
    for (HWND c : VisibleNamedControls(d))
      if (!rig::IsEnabled(c)) disabled.insert(rig::ControlName(c));
    EXPECT_EQ((std::set<std::string>{"bOK", "cbDropFontTags", "eAltText"}), disabled);
    const char* const tagEdits[] = {"eNewBlocklevelTags", "eNewInlineTags", "eNewEmptyTags", "eNewPreTags"};
    for (int tab = 3; tab >= 0; --tab) {
      d.SelectPage("pcNewTags", tab);
      for (int i = 0; i < 4; ++i) EXPECT_EQ(i == tab, ::IsWindowVisible(d.Get(tagEdits[i])) != FALSE) << tagEdits[i];
    }

    // Every page at two sizes; at 200 by 100 pixels more each part moves or
    // grows as its side says; never smaller than designed.
    struct Dock { const char* name; LONG left, top, width, height; };
    const Dock docks[] = {{"Panel2", 0, 100, 200, 0},          {"Panel7", 200, 0, 0, 0},
                          {"Panel3", 200, 0, 0, 0},            {"gSourceFormatting", 0, 0, 0, 100},
                          {"gHtmlProperties", 0, 0, 200, 100}, {"gFormats", 200, 0, 0, 100},
                          {"mErrors", 0, 0, 200, 100},         {"Button1", 0, 0, 0, 0}};
    std::vector<RECT> designed;
    for (const Dock& k : docks) designed.push_back(rig::RectInParent(d.Get(k.name)));
    resize(400, 300);
    EXPECT_EQ(593, Width(d.window()));
    for (const SIZE size : {SIZE{593, 470}, SIZE{793, 570}}) {
      resize(size.cx, size.cy);
      for (int page = 0; page < 5; ++page) {
        d.SelectPage("Pages", page);
        CheckPage(d, std::to_string(size.cx) + " page " + std::to_string(page));
      }
    }
    for (size_t i = 0; i < designed.size(); ++i) {
      const RECT a = designed[i], b = rig::RectInParent(d.Get(docks[i].name));
      EXPECT_EQ((std::vector<LONG>{docks[i].left, docks[i].top, docks[i].width, docks[i].height}),
                (std::vector<LONG>{b.left - a.left, b.top - a.top, b.right - a.right - b.left + a.left,
                                   b.bottom - a.bottom - b.top + a.top}))
          << docks[i].name;
    }

    // Maximised, a splitter dragged to its end (the middle group keeps its
    // minimum), restored, dragged larger by the border: the groups fit the
    // page, nothing stale is painted.
    d.SelectPage("Pages", 0);
    resize(593, 470);
    ::PostMessageW(d.window(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(rig::WaitUntil([&] { return ::IsZoomed(d.window()) != FALSE; }));
    HWND splitter = d.Get("LeftSplitter");
    rig::PostMouse(splitter, WM_LBUTTONDOWN, 1, 20, MK_LBUTTON);
    rig::PostMouse(splitter, WM_MOUSEMOVE, 1000, 20, MK_LBUTTON);
    rig::PostMouse(splitter, WM_LBUTTONUP, 1000, 20);
    d.Sync();
    EXPECT_EQ(185, Width(d.Get("gHtmlProperties")));
    ::PostMessageW(d.window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(rig::WaitUntil([&] { return !::IsZoomed(d.window()); }));
    d.Sync();
    EXPECT_EQ(196, Width(d.Get("gSourceFormatting")));
    expectNothingStale(L"restored");
    ASSERT_TRUE(rig::WaitUntil([&] { return ::GetForegroundWindow() == d.window(); }));
    const RECT r = ScreenRect(d.window());
    auto inMoveOrSize = [&] {
      GUITHREADINFO info{sizeof info};
      return ::GetGUIThreadInfo(::GetWindowThreadProcessId(d.window(), nullptr), &info) && (info.flags & GUI_INMOVESIZE);
    };
    Send({MoveTo({r.right - 3, r.bottom - 3}), Mouse(MOUSEEVENTF_LEFTDOWN)});
    ASSERT_TRUE(rig::WaitUntil(inMoveOrSize));
    Send({MoveTo({r.right + 120, r.bottom + 80})});
    EXPECT_TRUE(rig::WaitUntil([&] { return Width(d.window()) > r.right - r.left + 100; }));
    Send({Mouse(MOUSEEVENTF_LEFTUP)});
    EXPECT_TRUE(rig::WaitUntil([&] { return !inMoveOrSize(); }));
    expectNothingStale(L"border-drag");

    // Enter types a line in the script and presses the default button in the
    // read-only messages, where Esc closes nothing.
    rig::CommandRecorder commands(d.window());
    d.SelectPage("Pages", 3);
    HWND script = d.Get("mCfg");
    const std::wstring options = rig::WindowText(script);
    d.SetText("mCfg", L"a");
    d.Focus(script);
    ::SendMessageW(script, EM_SETSEL, 1, 1);
    d.PressKey(script, VK_RETURN);
    d.Sync();  // the key's character comes behind it
    d.TypeChar(script, L'b');
    d.Sync();
    EXPECT_EQ(L"a\r\nb", rig::WindowText(script));
    EXPECT_FALSE(commands.Saw(::GetDlgCtrlID(d.Get("bRunTidy")), BN_CLICKED));
    d.SetText("mCfg", options);
    d.SelectPage("Pages", 1);
    d.Focus(d.Get("mErrors"));
    d.PressKey(d.Get("mErrors"), VK_RETURN);
    d.PressKey(d.Get("mErrors"), VK_ESCAPE);
    EXPECT_TRUE(focusBecomes(d.Get("bOK"), 180000)) << "a run (long on a loaded machine) ends on O&K";
    EXPECT_TRUE(commands.Saw(::GetDlgCtrlID(d.Get("bRunTidy")), BN_CLICKED));

    // Real keys from here.
    d.SelectPage("Pages", 0);
    ASSERT_TRUE(rig::WaitUntil([&] { return ::GetForegroundWindow() == d.window(); }));
    // Tab goes round the whole page, through both tab strips and past the
    // number fields.
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
    // A number field left with a text out of range shows the number in effect.
    for (const auto& [name, text] : {std::pair{"eIndentSpaces", L"33"}, {"eWrap", L"-5"}, {"eWrap", L"40000"}}) {
      HWND field = d.Get(name);
      const std::wstring before = rig::WindowText(field);
      d.Focus(field);
      d.SetText(name, text);
      Press(VK_TAB);
      EXPECT_TRUE(rig::WaitUntil([&] { return rig::WindowText(field) == before; })) << name << " " << rig::Narrow(text);
    }

    // The page keys go round from anywhere; a script edited on "Config-Datei"
    // takes effect when the page is left by keyboard.
    d.Focus(d.Get("bCancel"));
    for (int page : {1, 2, 3, 4, 0}) {
      Press(VK_TAB, {VK_CONTROL});
      EXPECT_TRUE(pageBecomes("Pages", page)) << page;
    }
    Press(VK_TAB, {VK_CONTROL, VK_SHIFT});
    EXPECT_TRUE(pageBecomes("Pages", 4));
    Press(VK_PRIOR, {VK_CONTROL});
    ASSERT_TRUE(pageBecomes("Pages", 3));
    d.SetText("mCfg", L"wrap: 40\r\n");
    d.Focus(script);
    Press(VK_NEXT, {VK_CONTROL});
    EXPECT_TRUE(pageBecomes("Pages", 4));
    EXPECT_EQ(L"40", d.Text("eWrap"));
    EXPECT_NE(script, d.FocusedWindow()) << "the focus stays on a hidden page";

    // One double click on a link clicks it once; a click on the version line
    // (no target) marks the end of its messages.
    const size_t before = commands.Count();
    HWND version = d.Get("lAboutVersion");
    const INPUT down = Mouse(MOUSEEVENTF_LEFTDOWN), up = Mouse(MOUSEEVENTF_LEFTUP);
    Send({MoveTo(CentreOf(d.Get("lTidySF"))), down, up, down, up, MoveTo(CentreOf(version)), down, up});
    EXPECT_TRUE(rig::WaitUntil([&] { return commands.Saw(::GetDlgCtrlID(version), BN_CLICKED); }));
    EXPECT_EQ(before + 2, commands.Count()) << "clicks on the link and on the version line";
    d.Click("bCancel");
  });
}

}  // namespace
