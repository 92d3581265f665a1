// Pictures of every page, for a person to compare with the intended look,
// and the German texts read back from the windows as UTF-16.
#include <gtest/gtest.h>

#include <string>

#include "rig/rig.h"

namespace {

using rig::Dialog;

TEST(DialogScreens, EveryPageAsPicture) {
  rig::PluginFolder plugin("screens");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    // Long lines: the messages wrap at the memo's width, the output does not.
    const std::wstring longLine =
        L"line 1 column 1 - Warning: <p> \u00FCberfl\u00FCssiges Element, eine sehr lange Meldung, die weit "
        L"\u00FCber den rechten Rand hinausgeht und deshalb umbrochen oder abgeschnitten wird.";
    d.SetText("mErrors", longLine + L"\r\nline 2 column 5 - Warning: missing </p>");
    d.SetText("mOutput", L"<p>" + longLine + L"</p>\r\n<p>Stra\u00DFe</p>");
    d.SetText("mCfg", L"wrap: 66\r\nindent: auto");
    const wchar_t* names[] = {L"options", L"messages", L"output", L"script", L"about"};
    for (int page = 0; page < 5; ++page) {
      d.SelectPage("Pages", page);
      d.Sync();
      ::RedrawWindow(d.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      d.Sync();
      EXPECT_TRUE(d.SaveScreenshot(plugin.Path(std::wstring(L"page-") + names[page] + L".png")));
    }
    // A path too long for the label: one line, the middle left out.
    d.SelectPage("Pages", 0);
    d.SetText("lTidyPath", L"C:\\Programme\\Ein sehr langer Ordnername\\Noch ein Ordner\\HTML Tidy\\bin\\Tidy.exe");
    d.Sync();
    EXPECT_TRUE(d.SaveScreenshot(plugin.Path(L"page-options-long-path.png")));
    d.Click("bCancel");
  });
}

// Written with escapes, so the expectation does not depend on how this
// file's bytes are read.
TEST(DialogScreens, GermanLettersReadBackAsUtf16) {
  rig::PluginFolder plugin("umlauts");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    EXPECT_EQ(L"Attribute in Gro&\u00DFbuchstaben", d.Text("cbUppercaseAttributes"));
    EXPECT_EQ(L"schlie\u00DFende Tags &verbergen", d.Text("cbHideEndTags"));
    EXPECT_EQ(L"Leere Abs\u00E4tze entfernen", d.Text("cbDropEmptyParas"));
    EXPECT_EQ(L"Anf\u00FChrungsz. quoten (&&quot;)", d.Text("cbQuoteMarks"));
    EXPECT_EQ(L"\u00BB&Clean\u00AB", d.Text("cbClean"));
    EXPECT_EQ(L"&Zur\u00FCcksetzen", d.Text("bResetOptions"));
    EXPECT_EQ(L"\u00DCber das Plugin...", d.Text("TabSheet1"));
    EXPECT_EQ(L"Tags in &Gro\u00DFbuchstaben", d.Text("cbUppercaseTags"));
    d.Click("bCancel");
  });
}

}  // namespace
