// The docking layout following the window's size, the minimum size, and the
// splitters of the options page held between their limits while dragged
// with real mouse messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "rig/rig.h"

namespace {

using rig::Dialog;

int Width(HWND window) {
  RECT r;
  ::GetWindowRect(window, &r);
  return r.right - r.left;
}

int Left(HWND window) { return rig::RectInParent(window).left; }

void ResizeTo(const Dialog& d, int width, int height) {
  ::SetWindowPos(d.window(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  d.Sync();
}

// One drag of a splitter by `dx` pixels: press, one move, release.
void Drag(const Dialog& d, const std::string& splitter, int dx) {
  HWND bar = d.Get(splitter);
  rig::PostMouse(bar, WM_LBUTTONDOWN, 1, 20, MK_LBUTTON);
  rig::PostMouse(bar, WM_MOUSEMOVE, 1 + dx, 20, MK_LBUTTON);
  rig::PostMouse(bar, WM_LBUTTONUP, 1 + dx, 20);
  d.Sync();
}

TEST(DialogResize, EnlargingWidensOnlyTheMiddleGroupAndMovesTheButtons) {
  rig::PluginFolder plugin("enlarge");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    ResizeTo(d, 793, 570);
    EXPECT_EQ(185, Width(d.Get("gSourceFormatting")));
    EXPECT_EQ(190, Width(d.Get("gFormats")));
    EXPECT_EQ(396, Width(d.Get("gHtmlProperties")));
    EXPECT_EQ(587, Left(d.Get("gFormats")));
    // Option-set buttons and bottom-bar buttons keep their distance from the right edge.
    EXPECT_EQ(446, Left(d.Get("Panel3")));
    EXPECT_EQ(248, Left(d.Get("bSaveOptions")));
    EXPECT_EQ(446, Width(d.Get("lTidyPath")));
    EXPECT_EQ(534, Left(d.Get("Panel7")));
    EXPECT_EQ(167, Left(d.Get("bCancel")));
    // The config buttons keep their distance from the left edge.
    EXPECT_EQ(470, Left(d.Get("Button1")));
    // The memos fill their pages; the bottom bar stays 41 high at the bottom.
    EXPECT_EQ(777, Width(d.Get("mErrors")));
    EXPECT_EQ(777, Width(d.Get("mCfg")));
    EXPECT_EQ(502, rig::RectInParent(d.Get("Panel2")).top);
    const RECT output = rig::RectInParent(d.Get("mOutput"));
    EXPECT_EQ(461, output.bottom - output.top);
    d.Click("bCancel");
  });
}

TEST(DialogResize, CannotShrinkBelowTheDesignedSize) {
  rig::PluginFolder plugin("shrink");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    ResizeTo(d, 400, 300);
    RECT r;
    ::GetWindowRect(d.window(), &r);
    EXPECT_EQ(593, r.right - r.left);
    EXPECT_EQ(470, r.bottom - r.top);
    d.Click("bCancel");
  });
}

TEST(DialogResize, LeftSplitterStopsAtBothLimits) {
  rig::PluginFolder plugin("left-splitter");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    // At the designed size the middle group has 11 pixels above the minimum.
    Drag(d, "LeftSplitter", 7);
    EXPECT_EQ(192, Width(d.Get("gSourceFormatting")));
    Drag(d, "LeftSplitter", 7);
    EXPECT_EQ(196, Width(d.Get("gSourceFormatting")));
    EXPECT_EQ(185, Width(d.Get("gHtmlProperties")));
    Drag(d, "LeftSplitter", -11);
    ResizeTo(d, 693, 470);  // 100 pixels more for the middle group
    Drag(d, "LeftSplitter", 40);
    EXPECT_EQ(225, Width(d.Get("gSourceFormatting")));
    EXPECT_EQ(256, Width(d.Get("gHtmlProperties")));
    EXPECT_EQ(225, Left(d.Get("LeftSplitter")));
    Drag(d, "LeftSplitter", -500);
    EXPECT_EQ(185, Width(d.Get("gSourceFormatting")));
    Drag(d, "LeftSplitter", 800);
    EXPECT_EQ(185, Width(d.Get("gHtmlProperties")));  // the middle group keeps the minimum
    EXPECT_EQ(296, Width(d.Get("gSourceFormatting")));
    EXPECT_EQ(190, Width(d.Get("gFormats")));
    d.Click("bCancel");
  });
}

TEST(DialogResize, RightSplitterStopsAtBothLimits) {
  rig::PluginFolder plugin("right-splitter");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    ResizeTo(d, 693, 470);
    Drag(d, "RightSplitter", -30);
    EXPECT_EQ(220, Width(d.Get("gFormats")));
    Drag(d, "RightSplitter", 500);
    EXPECT_EQ(190, Width(d.Get("gFormats")));
    Drag(d, "RightSplitter", -800);
    EXPECT_EQ(190, Width(d.Get("gHtmlProperties")));  // minimum of the right splitter
    EXPECT_EQ(296, Width(d.Get("gFormats")));
    EXPECT_EQ(185, Width(d.Get("gSourceFormatting")));
    d.Click("bCancel");
  });
}

}  // namespace
