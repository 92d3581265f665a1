// The dialog under a user's hands, opened once and used in sequence: its
// layout on every page at two sizes, docking and the splitters' limits,
// pictures after maximise, restore and a border drag, keys (posted and real),
// the Tab cycle, the number fields, and the link labels with what they open.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/dialog/about_page_texts.h"
#include "rig/rig.h"

namespace {

using rig::Dialog;

RECT ScreenRect(HWND w) {
  RECT r{};
  ::GetWindowRect(w, &r);
  return r;
}
int Width(HWND w) { return ScreenRect(w).right - ScreenRect(w).left; }
POINT CentreOf(HWND w) {
  const RECT r = ScreenRect(w);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void ResizeTo(const Dialog& d, int width, int height) {
  ::SetWindowPos(d.window(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  d.Sync();
}

void Drag(const Dialog& d, const char* splitter, int dx) {
  HWND bar = d.Get(splitter);
  rig::PostMouse(bar, WM_LBUTTONDOWN, 1, 20, MK_LBUTTON);
  rig::PostMouse(bar, WM_MOUSEMOVE, 1 + dx, 20, MK_LBUTTON);
  rig::PostMouse(bar, WM_LBUTTONUP, 1 + dx, 20);
  d.Sync();
}

// --- Layout: what a user relies on, not a second copy of the table.
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

// Room for a caption: a check box's box and a button's frame take their share.
int CaptionRoom(HWND w) {
  RECT client;
  ::GetClientRect(w, &client);
  const LONG type = ::GetWindowLongW(w, GWL_STYLE) & BS_TYPEMASK;
  if (rig::ClassName(w) != L"Button") return client.right;
  return client.right - (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX ? 16 : type == BS_GROUPBOX ? 12 : 4);
}

// What a control shows: a left-aligned label ends with its text.
RECT Painted(HWND w) {
  RECT r = rig::RectInParent(w);
  const LONG type = ::GetWindowLongW(w, GWL_STYLE) & SS_TYPEMASK;
  if (rig::ClassName(w) == L"Static" && (type == SS_LEFT || type == SS_LEFTNOWORDWRAP))
    r.right = std::min<LONG>(r.right, r.left + CaptionWidth(w));
  return r;
}

// Inside its parent, apart from its neighbours, its caption readable.
void CheckPage(const Dialog& d, const std::string& where) {
  const std::vector<HWND> controls = VisibleNamedControls(d);
  for (HWND c : controls) {
    SCOPED_TRACE(where + ": " + rig::ControlName(c));
    RECT parent, r = Painted(c);
    ::GetClientRect(::GetParent(c), &parent);
    // (The new-tags edits are one pixel wider than their sheet by design.)
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= parent.right + 1 && r.bottom <= parent.bottom)
        << r.left << "," << r.top << "-" << r.right << "," << r.bottom << " in " << parent.right << "x" << parent.bottom;
    const std::wstring cls = rig::ClassName(c);
    if ((cls == L"Button" || cls == L"Static") && !rig::WindowText(c).empty())
      EXPECT_LE(CaptionWidth(c), CaptionRoom(c)) << rig::Narrow(rig::WindowText(c));
    for (HWND other : controls) {
      RECT o = Painted(other), both;  // a bevel is a line drawn under its area's controls
      if (other <= c || ::GetParent(other) != ::GetParent(c) || cls == L"MarkwashBevel" ||
          rig::ClassName(other) == L"MarkwashBevel")
        continue;
      EXPECT_FALSE(::IntersectRect(&both, &r, &o)) << "overlaps " << rig::ControlName(other);
    }
  }
}

// --- Real input through SendInput: the dialog must be in front.
INPUT Key(WORD key, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
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
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = at.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = at.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = flags;
  return in;
}
INPUT MoveTo(POINT at) { return Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at); }

bool InMoveOrSize(const Dialog& d) {
  GUITHREADINFO info{sizeof info};
  return ::GetGUIThreadInfo(::GetWindowThreadProcessId(d.window(), nullptr), &info) && (info.flags & GUI_INMOVESIZE);
}

// A picture taken after a change equals one taken after everything is
// painted anew: nothing stale is left.
void ExpectPictureAsRepainted(const rig::PluginFolder& plugin, const Dialog& d, const std::wstring& name) {
  const std::wstring shown = plugin.Path(name + L".png"), repainted = plugin.Path(name + L"-repainted.png");
  ASSERT_TRUE(d.SaveScreenshot(shown));
  ::RedrawWindow(d.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  ASSERT_TRUE(d.SaveScreenshot(repainted));
  EXPECT_TRUE(rig::ReadFileBytes(shown) == rig::ReadFileBytes(repainted)) << rig::Narrow(name);
}

// Makes the shell open web and mail addresses with a command that appends
// the address to a file, while it lives.
class OpenedAddresses {
 public:
  explicit OpenedAddresses(const std::wstring& file) : file_(file) {
    for (int i = 0; i < 2; ++i) {
      wchar_t previous[1024] = L"";
      LONG size = sizeof previous;
      if (::RegQueryValueW(HKEY_CLASSES_ROOT, kKeys[i], previous, &size) == ERROR_SUCCESS) previous_[i] = previous;
      Set(kKeys[i], L"cmd.exe /c echo %1>>\"" + file + L"\"");
    }
  }
  ~OpenedAddresses() {
    for (int i = 0; i < 2; ++i) Set(kKeys[i], previous_[i]);
  }
  OpenedAddresses(const OpenedAddresses&) = delete;
  OpenedAddresses& operator=(const OpenedAddresses&) = delete;
  bool WaitFor(const std::string& line) const {
    return rig::WaitUntil([&] { return rig::ReadFileBytes(file_).find(line + "\r\n") != std::string::npos; });
  }

 private:
  static constexpr const wchar_t* kKeys[2] = {L"https\\shell\\open\\command", L"mailto\\shell\\open\\command"};
  static void Set(const wchar_t* key, const std::wstring& value) {
    ::RegSetValueW(HKEY_CLASSES_ROOT, key, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() * sizeof(wchar_t)));
  }
  std::wstring file_, previous_[2];
};

TEST(Dialog, LayoutKeysAndLinksInOneUse) {
  rig::PluginFolder plugin("dialog");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  OpenedAddresses opened(plugin.Path(L"opened.txt"));
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    const int run = ::GetDlgCtrlID(d.Get("bRunTidy"));
    auto focusBecomes = [&](HWND w) { return rig::WaitUntil([&] { return d.FocusedWindow() == w; }); };
    auto pageBecomes = [&](const char* tabs, int i) { return rig::WaitUntil([&] { return d.ActivePage(tabs) == i; }); };

    // As built: the designed size, and only these disabled.
    EXPECT_EQ(593, Width(d.window()));
    EXPECT_EQ(470, ScreenRect(d.window()).bottom - ScreenRect(d.window()).top);
    std::set<std::string> disabled;
    for (HWND c : VisibleNamedControls(d))
      if (!rig::IsEnabled(c)) disabled.insert(rig::ControlName(c));
    EXPECT_EQ((std::set<std::string>{"bOK", "cbDropFontTags", "eAltText"}), disabled);
    EXPECT_EQ(L"\u00DCber das Plugin...", d.Text("TabSheet1"));
    // Each new-tags tab shows its own edit only.
    const char* const tagEdits[] = {"eNewBlocklevelTags", "eNewInlineTags", "eNewEmptyTags", "eNewPreTags"};
    for (int tab = 3; tab >= 0; --tab) {
      d.SelectPage("pcNewTags", tab);
      for (int i = 0; i < 4; ++i) EXPECT_EQ(i == tab, ::IsWindowVisible(d.Get(tagEdits[i])) != FALSE) << tagEdits[i];
    }

    // Docking at two sizes: at 200 by 100 pixels more, each part moves or grows as its side says.
    struct Dock {
      const char* name;
      int left, top, width, height;
    };
    const Dock docks[] = {{"Panel2", 0, 100, 200, 0},           {"Panel7", 200, 0, 0, 0},
                          {"Panel3", 200, 0, 0, 0},             {"lTidyPath", 0, 0, 200, 0},
                          {"gSourceFormatting", 0, 0, 0, 100},  {"gHtmlProperties", 0, 0, 200, 100},
                          {"gFormats", 200, 0, 0, 100},         {"mErrors", 0, 0, 200, 100},
                          {"Panel4", 0, 100, 200, 0},           {"Button1", 0, 0, 0, 0}};
    std::vector<RECT> designed;
    for (const Dock& k : docks) designed.push_back(rig::RectInParent(d.Get(k.name)));
    ResizeTo(d, 400, 300);  // not below the designed size
    EXPECT_EQ(593, Width(d.window()));
    for (const SIZE size : {SIZE{593, 470}, SIZE{793, 570}}) {
      ResizeTo(d, size.cx, size.cy);
      for (int page = 0; page < 5; ++page) {
        d.SelectPage("Pages", page);
        CheckPage(d, std::to_string(size.cx) + " page " + std::to_string(page));
      }
    }
    for (size_t i = 0; i < std::size(docks); ++i) {
      const RECT a = designed[i], b = rig::RectInParent(d.Get(docks[i].name));
      EXPECT_EQ((std::vector<LONG>{docks[i].left, docks[i].top, docks[i].width, docks[i].height}),
                (std::vector<LONG>{b.left - a.left, b.top - a.top, (b.right - b.left) - (a.right - a.left),
                                   (b.bottom - b.top) - (a.bottom - a.top)}))
          << docks[i].name;
    }

    // The splitters stop where a side group or the middle one reaches its minimum.
    d.SelectPage("Pages", 0);
    struct Step {
      const char* splitter;
      int dx;
      const char* group;
      int width;
    };
    for (const Step& s : {Step{"LeftSplitter", -800, "gSourceFormatting", 185}, {"LeftSplitter", 800, "gHtmlProperties", 185},
                          {"LeftSplitter", -800, "gSourceFormatting", 185}, {"RightSplitter", 800, "gFormats", 190},
                          {"RightSplitter", -800, "gHtmlProperties", 190}, {"RightSplitter", 800, "gFormats", 190}}) {
      Drag(d, s.splitter, s.dx);
      EXPECT_EQ(s.width, Width(d.Get(s.group))) << s.splitter << " by " << s.dx;
    }
    EXPECT_EQ(396, Width(d.Get("gHtmlProperties")));

    // Maximised, a splitter dragged to its end, restored, dragged larger by
    // the border: the groups fit the page, nothing stale is painted.
    ResizeTo(d, 593, 470);
    ExpectPictureAsRepainted(plugin, d, L"designed");
    ::PostMessageW(d.window(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(rig::WaitUntil([&] { return ::IsZoomed(d.window()) != FALSE; }));
    d.Sync();
    Drag(d, "LeftSplitter", 1000);
    EXPECT_EQ(185, Width(d.Get("gHtmlProperties")));
    ::PostMessageW(d.window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(rig::WaitUntil([&] { return !::IsZoomed(d.window()); }));
    d.Sync();
    EXPECT_EQ(196, Width(d.Get("gSourceFormatting")));
    EXPECT_EQ(185, Width(d.Get("gHtmlProperties")));
    ExpectPictureAsRepainted(plugin, d, L"restored");
    ASSERT_TRUE(rig::WaitUntil([&] { return ::GetForegroundWindow() == d.window(); }));
    const RECT r = ScreenRect(d.window());
    Send({MoveTo({r.right - 3, r.bottom - 3}), Mouse(MOUSEEVENTF_LEFTDOWN)});
    ASSERT_TRUE(rig::WaitUntil([&] { return InMoveOrSize(d); }));
    Send({MoveTo({r.right + 120, r.bottom + 80})});
    EXPECT_TRUE(rig::WaitUntil([&] { return Width(d.window()) > r.right - r.left + 100; }));
    Send({Mouse(MOUSEEVENTF_LEFTUP)});
    EXPECT_TRUE(rig::WaitUntil([&] { return !InMoveOrSize(d); }));
    ExpectPictureAsRepainted(plugin, d, L"border-drag");

    // Enter types a line in the script and presses the default button in the
    // read-only messages; Esc closes nothing.
    rig::CommandRecorder commands(d.window());
    d.SelectPage("Pages", 3);
    HWND script = d.Get("mCfg");
    const std::wstring options = rig::WindowText(script);
    d.SetText("mCfg", L"");
    d.Focus(script);
    d.TypeChar(script, L'a');
    d.PressKey(script, VK_RETURN);
    d.Sync();  // the key's character comes behind it
    d.TypeChar(script, L'b');
    d.PressKey(script, VK_ESCAPE);
    d.Sync();
    EXPECT_EQ(L"a\r\nb", rig::WindowText(script));
    EXPECT_FALSE(commands.Saw(run, BN_CLICKED));
    d.SetText("mCfg", options);
    d.SelectPage("Pages", 1);
    d.Focus(d.Get("mErrors"));
    d.PressKey(d.Get("mErrors"), VK_RETURN);
    d.PressKey(d.Get("mErrors"), VK_ESCAPE);
    EXPECT_TRUE(focusBecomes(d.Get("bOK"))) << "a run ends on O&K";
    EXPECT_TRUE(commands.Saw(run, BN_CLICKED));
    EXPECT_TRUE(d.IsOpen());

    // A number field keeps one line, restores its text on Esc, pastes a first
    // line only and steps within its range, from 1000 on with a separator.
    d.SelectPage("Pages", 0);
    HWND wrap = d.Get("eWrap"), indent = d.Get("eIndentSpaces");
    const std::wstring wrapBefore = rig::WindowText(wrap);
    d.Focus(wrap);  // selects the whole text, so typing replaces it
    for (wchar_t c : std::wstring(L"72\n")) d.TypeChar(wrap, c);
    d.PressKey(wrap, VK_RETURN);
    d.Sync();
    EXPECT_EQ(L"72", rig::WindowText(wrap));
    EXPECT_EQ(72, ::SendMessageW(d.Get("udWrap"), UDM_GETPOS32, 0, 0));
    EXPECT_FALSE(commands.Saw(IDOK, BN_CLICKED));
    d.PressKey(wrap, VK_ESCAPE);
    d.Sync();
    EXPECT_EQ(wrapBefore, rig::WindowText(wrap));
    rig::SetClipboardText(L"7\r\n9");
    d.Focus(indent);
    ::PostMessageW(indent, WM_PASTE, 0, 0);
    d.Sync();
    EXPECT_EQ(L"7", rig::WindowText(indent));
    ::SendMessageW(d.Get("udIndentSpaces"), UDM_SETPOS32, 0, 32);
    ::SendMessageW(d.Get("udWrap"), UDM_SETPOS32, 0, 999);
    for (HWND field : {indent, wrap}) {
      d.Focus(field);
      d.PressKey(field, VK_UP);
    }
    d.Sync();
    EXPECT_EQ(L"32", rig::WindowText(indent));
    EXPECT_EQ(L"1.000", rig::WindowText(wrap));
    d.SetText("eWrap", L"abc");  // no number: the last valid one stays in force
    BOOL failed = FALSE;
    EXPECT_EQ(1000, ::SendMessageW(d.Get("udWrap"), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    EXPECT_TRUE(failed);
    d.SetText("eWrap", wrapBefore);

    // Real keys from here. Alt and a label's letter lead to its control;
    // "Neue &Tags" leads nowhere, the letter is "&Tidy starten"'s.
    ASSERT_TRUE(rig::WaitUntil([&] { return ::GetForegroundWindow() == d.window(); }));
    struct Accelerator {
      const char* from;
      WORD letter;
      const char* to;
    };
    for (const Accelerator& a : {Accelerator{"bRunTidy", 'Q', "cbMarkup"}, {"bRunTidy", 'H', "cbHideEndTags"},
                                 {"bRunTidy", 'F', "cbInputXML"}, {"cbWrapAttributes", 'E', "cbIndent"},
                                 {"cbIndent", 'Z', "cbCharEncoding"}, {"cbWrap", 'Z', "eWrap"}}) {
      d.Focus(d.Get(a.from));
      Press(a.letter, {VK_MENU});
      EXPECT_TRUE(focusBecomes(d.Get(a.to))) << a.from << " Alt+" << char(a.letter);
    }
    d.Focus(d.Get("cbEncloseText"));
    Press('T', {VK_MENU});
    EXPECT_TRUE(focusBecomes(d.Get("bOK"))) << "Alt+T ran no Tidy";

    // Tab goes round the whole page, through both tab strips and past the
    // number fields; Shift+Tab goes back.
    d.SelectPage("Pages", 0);  // the run showed its messages
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
      EXPECT_TRUE(focusBecomes(*(at - 1))) << "Shift+Tab from " << name;
    }
    // A number field left with a text out of range shows the number in effect.
    struct Typed {
      const char* field;
      const wchar_t* text;
    };
    for (const Typed& t : {Typed{"eIndentSpaces", L"33"}, Typed{"eWrap", L"-5"}, Typed{"eWrap", L"40000"}}) {
      HWND field = d.Get(t.field);
      const std::wstring before = rig::WindowText(field);
      d.Focus(field);
      d.SetText(t.field, t.text);
      Press(VK_TAB);
      EXPECT_TRUE(rig::WaitUntil([&] { return rig::WindowText(field) == before; })) << t.field << " " << rig::Narrow(t.text);
    }

    // Arrows switch a focused tab strip; the page keys go round from anywhere;
    // a script edited on "Config-Datei" takes effect when the page is left by keyboard.
    d.Focus(d.Get("pcNewTags"));
    Press(VK_RIGHT);
    EXPECT_TRUE(pageBecomes("pcNewTags", 1));
    d.Focus(pages);
    Press(VK_RIGHT);
    EXPECT_TRUE(pageBecomes("Pages", 1));
    d.Focus(d.Get("bCancel"));
    for (int page : {2, 3, 4, 0}) {
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

    // One double click on a link opens it once; a click on the version line
    // (no target) marks the end of its messages. Each link opens its address.
    const size_t before = commands.Count();
    HWND version = d.Get("lAboutVersion");
    const INPUT down = Mouse(MOUSEEVENTF_LEFTDOWN), up = Mouse(MOUSEEVENTF_LEFTUP);
    Send({MoveTo(CentreOf(d.Get("lTidySF"))), down, up, down, up, MoveTo(CentreOf(version)), down, up});
    EXPECT_TRUE(rig::WaitUntil([&] { return commands.Count() >= before + 2 && commands.Saw(::GetDlgCtrlID(version), BN_CLICKED); }));
    EXPECT_EQ(before + 2, commands.Count()) << "clicks on the link and on the version line";
    const std::string mail = "mailto:" + std::string(markwash::about::kAuthorMail) +
                             "?subject=Markwash-Plugin+" + std::string(markwash::about::kVersionDate);
    for (const auto& [label, address] :
         {std::pair<const char*, std::string>{"lTidySF", std::string(markwash::about::kTidyProjectAddress)},
          {"lTidyDownload", std::string(markwash::about::kTidyDownloadAddress)},
          {"lAuthorHP", std::string(markwash::about::kHomePage)}, {"lAuthorEmail", mail}}) {
      if (std::string(label) != "lTidySF") d.Click(label);
      EXPECT_TRUE(opened.WaitFor(address)) << label;
    }

    // The path label looks different under the pointer and shows its hint;
    // a click opens the folder browser.
    d.SelectPage("Pages", 0);
    HWND label = d.Get("lTidyPath");
    HWND tip = rig::HintWindowOf(d.window());
    ::SetCursorPos(0, 0);
    ASSERT_TRUE(rig::WaitUntil([&] { return !::IsWindowVisible(tip); }));
    const auto plain = rig::PrintClient(label);
    ::SetCursorPos(CentreOf(label).x, CentreOf(label).y);
    EXPECT_TRUE(rig::WaitUntil([&] { return rig::PrintClient(label) != plain; })) << "no hover look";
    EXPECT_TRUE(rig::WaitUntil([&] { return ::IsWindowVisible(tip) != FALSE; })) << "no hint";
    ::SetCursorPos(0, 0);
    EXPECT_TRUE(rig::WaitUntil([&] { return rig::PrintClient(label) == plain; })) << "the hover look stays";
    rig::PostMouse(label, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    rig::PostMouse(label, WM_LBUTTONUP, 10, 10);
    HWND browser = rig::WaitForFolderBrowser();
    if (browser) ::PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(rig::WaitUntilClosed(browser));
    d.Click("bCancel");
  });
}

}  // namespace
