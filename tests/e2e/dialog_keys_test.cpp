// Keys in the dialog: Esc never closes it, Enter presses the default button
// only where no control takes it, and the number fields keep one line,
// restore their text on Esc and step within their ranges.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "rig/rig.h"

namespace {

using rig::Dialog;

void Type(const Dialog& d, HWND window, const wchar_t* text) {
  for (const wchar_t* c = text; *c; ++c) d.TypeChar(window, *c);
}

void PressEnter(const Dialog& d, HWND window) {
  d.PressKey(window, VK_RETURN);
  d.Sync();
}

TEST(DialogKeys, EnterInTheScriptMemoStartsANewLine) {
  rig::PluginFolder plugin("enter-script");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    d.SelectPage("Pages", 3);
    HWND script = d.Get("mCfg");
    rig::CommandRecorder commands(d.window());
    d.Focus(script);
    Type(d, script, L"a");
    PressEnter(d, script);
    Type(d, script, L"b");
    d.Sync();
    EXPECT_EQ(L"a\r\nb", rig::WindowText(script));
    EXPECT_FALSE(commands.Saw(::GetDlgCtrlID(d.Get("bRunTidy")), BN_CLICKED));
    // Esc there neither closes the dialog nor its page.
    d.PressKey(script, VK_ESCAPE);
    d.Sync();
    EXPECT_TRUE(d.IsOpen());
    EXPECT_TRUE(::IsWindow(d.Get("tsCfg")));
    d.Click("bCancel");
  });
}

TEST(DialogKeys, EnterInTheReadOnlyMemosPressesTheDefaultButton) {
  rig::PluginFolder plugin("enter-memos");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    const int run = ::GetDlgCtrlID(d.Get("bRunTidy"));
    struct Memo {
      const char* name;
      int page;
    };
    for (const Memo& m : {Memo{"mErrors", 1}, Memo{"mOutput", 2}}) {
      SCOPED_TRACE(m.name);
      d.SelectPage("Pages", m.page);
      HWND memo = d.Get(m.name);
      rig::CommandRecorder commands(d.window());
      d.Focus(memo);
      PressEnter(d, memo);
      EXPECT_TRUE(commands.Saw(run, BN_CLICKED));
      // The click ran Tidy, whose messages may fill the memo; Enter itself
      // typed no line break into it.
      EXPECT_NE(0u, rig::WindowText(memo).rfind(L"\r\n", 0));
      d.PressKey(memo, VK_ESCAPE);
      d.Sync();
      EXPECT_TRUE(d.IsOpen());
    }
    d.Click("bCancel");
  });
}

TEST(DialogKeys, NumberFieldKeepsOneLineAndRestoresOnEsc) {
  rig::PluginFolder plugin("number-field");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    HWND wrap = d.Get("eWrap");
    rig::CommandRecorder commands(d.window());
    d.Focus(wrap);
    d.Sync();
    // Keyboard focus selects the whole text, so typing replaces it.
    Type(d, wrap, L"72");
    d.Sync();
    EXPECT_EQ(L"72", rig::WindowText(wrap));
    PressEnter(d, wrap);
    d.TypeChar(wrap, L'\n');
    d.Sync();
    EXPECT_EQ(L"72", rig::WindowText(wrap));
    EXPECT_FALSE(commands.Saw(IDOK, BN_CLICKED));
    EXPECT_FALSE(commands.Saw(::GetDlgCtrlID(d.Get("bRunTidy")), BN_CLICKED));
    EXPECT_EQ(72, ::SendMessageW(d.Get("udWrap"), UDM_GETPOS32, 0, 0));
    d.PressKey(wrap, VK_ESCAPE);
    d.Sync();
    EXPECT_EQ(L"66", rig::WindowText(wrap));
    EXPECT_TRUE(d.IsOpen());
    d.Click("bCancel");
  });
}

TEST(DialogKeys, PasteTakesTheFirstLineOnly) {
  rig::PluginFolder plugin("paste");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    HWND indent = d.Get("eIndentSpaces");
    rig::SetClipboardText(L"7\r\n9");
    d.Focus(indent);
    ::PostMessageW(indent, WM_PASTE, 0, 0);
    d.Sync();
    EXPECT_EQ(L"7", rig::WindowText(indent));
    d.Click("bCancel");
  });
}

TEST(DialogKeys, UpDownStepsWithinTheRangeAndReadsTheLastValidNumber) {
  rig::PluginFolder plugin("up-down");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    HWND indent = d.Get("eIndentSpaces");
    HWND indentUpDown = d.Get("udIndentSpaces");
    ::SendMessageW(indentUpDown, UDM_SETPOS32, 0, 32);
    EXPECT_EQ(L"32", rig::WindowText(indent));
    d.Focus(indent);
    d.PressKey(indent, VK_UP);
    d.Sync();
    EXPECT_EQ(L"32", rig::WindowText(indent));
    EXPECT_EQ(32, ::SendMessageW(indentUpDown, UDM_GETPOS32, 0, 0));

    // German conventions: from 1000 on with the thousands separator.
    HWND wrap = d.Get("eWrap");
    HWND wrapUpDown = d.Get("udWrap");
    ::SendMessageW(wrapUpDown, UDM_SETPOS32, 0, 999);
    d.Focus(wrap);
    d.PressKey(wrap, VK_UP);
    d.Sync();
    EXPECT_EQ(L"1.000", rig::WindowText(wrap));
    EXPECT_EQ(1000, ::SendMessageW(wrapUpDown, UDM_GETPOS32, 0, 0));
    // Text that is no number leaves the last valid position in force.
    d.SetText("eWrap", L"abc");
    BOOL failed = FALSE;
    EXPECT_EQ(1000, ::SendMessageW(wrapUpDown, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    EXPECT_TRUE(failed);
    EXPECT_EQ(L"abc", rig::WindowText(wrap));
    d.Click("bCancel");
  });
}

void PressAlt(const Dialog& d, HWND focused, wchar_t letter) {
  ::PostMessageW(focused, WM_SYSCHAR, letter, 1 | (1u << 29));  // bit 29: Alt is down
  d.Sync();
}

TEST(DialogKeys, AcceleratorLettersOfLabelsLeadToTheirControls) {
  rig::PluginFolder plugin("accelerators");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    d.Focus(d.Get("cbWrapAttributes"));
    PressAlt(d, d.Get("cbWrapAttributes"), L'e');  // "&Einzug:"
    EXPECT_EQ(d.Get("cbIndent"), d.FocusedWindow());
    PressAlt(d, d.Get("cbIndent"), L'z');  // the next "Z" is "&Zeichenkodierung:"
    EXPECT_EQ(d.Get("cbCharEncoding"), d.FocusedWindow());
    d.Focus(d.Get("cbWrap"));
    PressAlt(d, d.Get("cbWrap"), L'z');  // "&Zeichen", the label after the wrap width
    EXPECT_EQ(d.Get("eWrap"), d.FocusedWindow());
    // "Neue &Tags" leads nowhere: the letter belongs to "&Tidy starten".
    rig::CommandRecorder commands(d.window());
    d.Focus(d.Get("cbEncloseText"));
    PressAlt(d, d.Get("cbEncloseText"), L't');
    EXPECT_TRUE(commands.Saw(::GetDlgCtrlID(d.Get("bRunTidy")), BN_CLICKED));
    d.Click("bCancel");
  });
}

}  // namespace
