// What a user relies on in the dialog's layout, on every page, at the designed
// size and enlarged: every control inside its parent, no two neighbours on top
// of each other, every caption fully readable; the sizes and states the
// dialog is built with.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "rig/rig.h"

namespace {

using rig::Dialog;

struct Named {
  HWND window;
  std::string name;
};

BOOL CALLBACK CollectNamed(HWND window, LPARAM param) {
  const std::string name = rig::ControlName(window);
  if (!name.empty() && ::IsWindowVisible(window))
    reinterpret_cast<std::vector<Named>*>(param)->push_back({window, name});
  return TRUE;
}

// The visible controls of the dialog that its layout names.
std::vector<Named> VisibleControls(const Dialog& d) {
  std::vector<Named> found;
  ::EnumChildWindows(d.window(), CollectNamed, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool Overlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The room a caption has inside its control: a check box's box and a push
// button's frame take their share.
int CaptionRoom(HWND window) {
  RECT client;
  ::GetClientRect(window, &client);
  const LONG type = ::GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
  if (rig::ClassName(window) != L"Button") return client.right;
  if (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX) return client.right - 16;
  if (type == BS_GROUPBOX) return client.right - 12;
  return client.right - 4;
}

int CaptionWidth(HWND window) {
  const std::wstring text = rig::WindowText(window);
  HDC dc = ::GetDC(window);
  HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(window, WM_GETFONT, 0, 0)));
  RECT r{0, 0, 0, 0};
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
  ::SelectObject(dc, old);
  ::ReleaseDC(window, dc);
  return r.right;
}

// Buttons and plain labels; the link labels end long texts with an ellipsis
// or wrap them on purpose.
bool HasOwnCaption(HWND window) {
  const std::wstring cls = rig::ClassName(window);
  return cls == L"Button" || cls == L"Static";
}

// The part of a control that shows something: a left-aligned label ends
// with its text.
RECT Painted(HWND window) {
  RECT r = rig::RectInParent(window);
  const LONG type = ::GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK;
  if (rig::ClassName(window) == L"Static" && (type == SS_LEFT || type == SS_LEFTNOWORDWRAP))
    r.right = std::min<LONG>(r.right, r.left + CaptionWidth(window));
  return r;
}

void CheckPage(const Dialog& d, const std::string& where) {
  const std::vector<Named> controls = VisibleControls(d);
  for (const Named& c : controls) {
    SCOPED_TRACE(where + ": " + c.name);
    RECT parent;
    ::GetClientRect(::GetParent(c.window), &parent);
    const RECT r = Painted(c.window);
    // (The new-tags edits are one pixel wider than their sheet by design.)
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= parent.right + 1 && r.bottom <= parent.bottom)
        << "at " << r.left << "," << r.top << "-" << r.right << "," << r.bottom << " in " << parent.right << "x"
        << parent.bottom;
    if (HasOwnCaption(c.window) && !rig::WindowText(c.window).empty())
      EXPECT_LE(CaptionWidth(c.window), CaptionRoom(c.window)) << rig::Narrow(rig::WindowText(c.window));
    for (const Named& other : controls) {
      // A bevel is a line drawn under the controls of its area.
      if (&other <= &c || ::GetParent(other.window) != ::GetParent(c.window)) continue;
      if (rig::ClassName(c.window) == L"MarkwashBevel" || rig::ClassName(other.window) == L"MarkwashBevel") continue;
      EXPECT_FALSE(Overlap(r, Painted(other.window))) << "overlaps " << other.name;
    }
  }
}

TEST(DialogLayout, EveryPageAtTwoSizesKeepsItsControlsInsideApartAndReadable) {
  rig::PluginFolder plugin("layout");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    d.Sync();
    RECT outer;
    ::GetWindowRect(d.window(), &outer);
    EXPECT_EQ(593, outer.right - outer.left);
    EXPECT_EQ(470, outer.bottom - outer.top);
    // As built, only these are disabled.
    std::set<std::string> disabled;
    for (const Named& c : VisibleControls(d))
      if (!rig::IsEnabled(c.window)) disabled.insert(c.name);
    EXPECT_EQ((std::set<std::string>{"bOK", "cbDropFontTags", "eAltText"}), disabled);
    EXPECT_EQ(10000, ::SendMessageW(rig::HintWindowOf(d.window()), TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));

    // Each new-tags tab shows its own edit only.
    const char* const tagEdits[] = {"eNewBlocklevelTags", "eNewInlineTags", "eNewEmptyTags", "eNewPreTags"};
    for (int tab = 3; tab >= 0; --tab) {
      d.SelectPage("pcNewTags", tab);
      for (int i = 0; i < 4; ++i) EXPECT_EQ(i == tab, ::IsWindowVisible(d.Get(tagEdits[i])) != FALSE) << tagEdits[i];
    }

    for (const SIZE size : {SIZE{593, 470}, SIZE{813, 590}}) {
      ::SetWindowPos(d.window(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      for (int page = 0; page < 5; ++page) {
        d.SelectPage("Pages", page);
        CheckPage(d, std::to_string(size.cx) + " page " + std::to_string(page));
      }
    }
    d.Click("bCancel");
  });
}

LOGFONTW FontOf(HWND window) {
  LOGFONTW font{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

TEST(DialogLayout, MemosAndFonts) {
  rig::PluginFolder plugin("memos");
  plugin.CopyTidyHere();
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    struct Memo {
      const char* name;
      bool readOnly, wordWrap, takesEnter;
    };
    for (const Memo& m : {Memo{"mErrors", true, true, false}, Memo{"mOutput", true, false, false},
                          Memo{"mCfg", false, false, true}}) {
      SCOPED_TRACE(m.name);
      HWND memo = d.Get(m.name);
      const LONG style = ::GetWindowLongW(memo, GWL_STYLE);
      EXPECT_EQ(m.readOnly, (style & ES_READONLY) != 0);
      EXPECT_EQ(!m.wordWrap, (style & ES_AUTOHSCROLL) != 0);  // no horizontal scrolling: lines wrap
      EXPECT_EQ(m.takesEnter, (style & ES_WANTRETURN) != 0);
      EXPECT_EQ(std::wstring(L"Courier New"), FontOf(memo).lfFaceName);
    }
    EXPECT_EQ(std::wstring(L"MS Sans Serif"), FontOf(d.Get("cbMarkup")).lfFaceName);
    d.Click("bCancel");
  });
}

}  // namespace
