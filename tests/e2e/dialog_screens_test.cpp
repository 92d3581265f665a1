// Pictures of every page, for a person to compare with the intended look,
// and the German texts read back from the windows as UTF-16.
#include <gtest/gtest.h>

#include "rig/rig.h"

namespace {

using rig::Dialog;

TEST(DialogScreens, EveryPageAsPicture) {
  rig::PluginFolder plugin("screens");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    const wchar_t* names[] = {L"options", L"messages", L"output", L"script", L"about"};
    for (int page = 0; page < 5; ++page) {
      d.SelectPage("Pages", page);
      d.Sync();
      ::RedrawWindow(d.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      d.Sync();
      EXPECT_TRUE(d.SaveScreenshot(plugin.Path(std::wstring(L"page-") + names[page] + L".png")));
    }
    d.Click("bCancel");
  });
}

}  // namespace
