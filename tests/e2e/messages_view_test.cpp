// The page "Meldungen" after a real run: the message view holds exactly what
// Tidy wrote, copies it byte for byte, and leads a message's position into
// the preview; the preview's splitter keeps its height in the placement file.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/dialog/message_position.h"
#include "rig/rig.h"
#include "win32/dialog/message_view.h"
#include "win32/dialog/source_view.h"

namespace {

using rig::Dialog;

// Line 12 holds the one thing Tidy warns about, at column 5.
constexpr char kDocument[] =
    "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<title>t</title>\r\n</head>\r\n<body>\r\n<p>1</p>\r\n<p>2</p>\r\n"
    "<p>3</p>\r\n<p>4</p>\r\n<p>5</p>\r\n    <blink>x</blink>\r\n</body>\r\n</html>\r\n";

// What the Tidy beside the plug-in writes as messages for the document.
std::string TidyAlone(const rig::PluginFolder& plugin) {
  const std::wstring document = plugin.Path(L"alone.html"), messages = plugin.Path(L"alone.txt");
  rig::WriteFileBytes(document, kDocument);
  std::wstring command = L"\"" + plugin.Path(L"Tidy.exe") + L"\" -modify -f \"" + messages + L"\" \"" + document + L"\"";
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION process{};
  EXPECT_TRUE(::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  ::WaitForSingleObject(process.hProcess, 60000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return rig::ReadFileBytes(messages);
}

std::string ClipboardBytes() {
  std::string text;
  if (!::OpenClipboard(nullptr)) return text;
  if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(::GlobalLock(data));
    ::GlobalUnlock(data);
  }
  ::CloseClipboard();
  return text;
}

void PressWithControl(WORD key) {
  std::vector<INPUT> inputs(4);
  for (INPUT& in : inputs) in.type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[3].ki.wVk = VK_CONTROL;
  inputs[1].ki.wVk = inputs[2].ki.wVk = key;
  inputs[2].ki.dwFlags = inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(4, inputs.data(), sizeof(INPUT));
}

int Height(HWND window) {
  const RECT r = rig::RectInParent(window);
  return r.bottom - r.top;
}

TEST(MessagesView, ShowsCopiesAndLeadsToThePlaceOfAMessage) {
  rig::PluginFolder plugin("messages-view");
  plugin.CopyTidyHere();
  const std::string alone = TidyAlone(plugin);
  ASSERT_EQ(0u, alone.find("line 12 column 5 - Warning: <blink>")) << alone;
  rig::RunDialog(plugin, kDocument, [&](Dialog& d) {
    d.Click("bRunTidy");
    d.Sync();  // the whole click handled: the messages shown, the focus on "O&K"
    HWND view = d.Get("mErrors"), source = d.Get("mSource");
    EXPECT_EQ(alone, rig::ToAnsi(d.Text("mErrors")));
    EXPECT_EQ(d.Get("bOK"), d.FocusedWindow());
    // The designed size leaves the messages two thirds of the page at least.
    EXPECT_GE(3 * Height(view), 2 * Height(d.Get("tsError")));

    d.Focus(view);
    d.Sync();
    PressWithControl('A');
    PressWithControl('C');
    EXPECT_TRUE(rig::WaitUntil([&] { return ClipboardBytes() == alone; })) << ClipboardBytes();

    const auto ClickMessage = [&](WPARAM index, UINT button) {
      RECT row{};
      ASSERT_TRUE(::SendMessageW(view, markwash::win32::kMessageViewMessageRect, index, reinterpret_cast<LPARAM>(&row)));
      rig::PostMouse(view, button, 5, row.top + 1);
      rig::PostMouse(view, WM_LBUTTONUP, 5, row.top + 1);
    };
    ClickMessage(0, WM_LBUTTONDOWN);
    EXPECT_TRUE(rig::WaitUntil([&] { return d.Text("lSourcePosition") == L"Zeile 12, Spalte 5"; }));
    markwash::SourcePosition mark;
    EXPECT_TRUE(::SendMessageW(source, markwash::win32::kSourceViewGetMark, 0, reinterpret_cast<LPARAM>(&mark)));
    EXPECT_EQ(mark, (markwash::SourcePosition{12, 5}));
    SCROLLINFO scroll{sizeof scroll, SIF_POS | SIF_PAGE};
    ::GetScrollInfo(source, SB_VERT, &scroll);
    EXPECT_TRUE(scroll.nPos <= 11 && 11 < scroll.nPos + static_cast<int>(scroll.nPage)) << scroll.nPos;
    // A message that names no place leaves the preview as it is.
    ClickMessage(1, WM_LBUTTONDOWN);
    d.Sync();
    EXPECT_EQ(L"Zeile 12, Spalte 5", d.Text("lSourcePosition"));
    EXPECT_TRUE(d.SaveScreenshot(plugin.Path(L"messages-593x470.bmp")));

    ClickMessage(0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(rig::WaitUntil([&] { return d.FocusedWindow() == source; }));
    d.PressKey(source, VK_ESCAPE);
    EXPECT_TRUE(rig::WaitUntil([&] { return d.FocusedWindow() == view; }));
    ::ShowWindow(d.window(), SW_MAXIMIZE);
    d.Sync();
    EXPECT_TRUE(d.SaveScreenshot(plugin.Path(L"messages-maximised.bmp")));
    d.Click("bCancel");
  });
}

// Key by key the view draws only what changed: the screen then shows what a
// whole repaint draws, the rows of the new place and the thumb where it went.
TEST(MessagesView, AfterKeysTheScreenShowsWhatAWholeRepaintDraws) {
  rig::PluginFolder plugin("messages-scroll");
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    d.SelectPage("Pages", 1);
    HWND view = d.Get("mErrors");
    std::wstring messages;
    for (int i = 1; i <= 2000; ++i) messages += L"line " + std::to_wstring(i) + L" column 1 - Warning: <p> \xFC\r\n";
    ::SendMessageW(view, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(messages.c_str()));
    d.Focus(view);
    const auto thumbTop = [&] {
      SCROLLBARINFO bar{sizeof bar};
      ::GetScrollBarInfo(view, OBJID_VSCROLL, &bar);
      return bar.xyThumbTop;
    };
    const LONG firstThumbTop = thumbTop();
    for (int key = 0; key < 25; ++key) {
      d.PressKey(view, VK_NEXT);
      d.Sync();
    }
    rig::PostMouse(view, WM_LBUTTONDOWN, 5, 40);  // a message current and selected
    rig::PostMouse(view, WM_LBUTTONUP, 5, 40);
    SCROLLINFO scroll{sizeof scroll, SIF_POS | SIF_PAGE};
    ::GetScrollInfo(view, SB_VERT, &scroll);
    EXPECT_EQ(25 * (static_cast<int>(scroll.nPage) - 1), scroll.nPos);
    EXPECT_GT(thumbTop(), firstThumbTop);
    const auto keyByKey = d.ScreenPixels(view);
    ::RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    EXPECT_TRUE(keyByKey == d.ScreenPixels(view));
    d.Click("bCancel");
  });
}

TEST(MessagesView, ThePreviewHeightComesBackAndOlderFilesOpenAsBefore) {
  rig::PluginFolder plugin("messages-splitter");
  plugin.CopyTidyHere();
  const auto PreviewHeight = [&](const std::string& ini) {
    if (!ini.empty()) rig::WriteFileBytes(plugin.Path(L"Markwash.ini"), ini);
    int height = 0;
    rig::RunDialog(plugin, "x", [&](Dialog& d) {
      d.SelectPage("Pages", 1);
      height = Height(d.Get("SourcePanel"));
      // Dragged 60 pixels up, the preview grows by as much.
      HWND splitter = d.Get("SourceSplitter");
      rig::PostMouse(splitter, WM_LBUTTONDOWN, 10, 1, MK_LBUTTON);
      rig::PostMouse(splitter, WM_MOUSEMOVE, 10, -59, MK_LBUTTON);
      rig::PostMouse(splitter, WM_LBUTTONUP, 10, -59);
      d.Sync();
      EXPECT_EQ(height + 60, Height(d.Get("SourcePanel")));
      d.Click("bCancel");
    });
    return height;
  };
  EXPECT_EQ(94, PreviewHeight(""));
  EXPECT_EQ(154, PreviewHeight(""));
  EXPECT_NE(std::string::npos, rig::ReadFileBytes(plugin.Path(L"Markwash.ini")).find("SourcePanel_Height=214"));
  // A file of the layout before the preview.
  EXPECT_EQ(94, PreviewHeight("[GUI]\r\nFormVersion=0\r\ngFormats_Width=250\r\n"));
}

}  // namespace
