// The plug-in boundary seen from a host: exports, result kinds, the text
// that goes in and out, and the modal life of the dialog.
#include <gtest/gtest.h>

#include "core/common/error.h"
#include "rig/rig.h"
#include "win32/common/file_system.h"
#include "win32/plugin/export_boundary.h"
#include "win32/plugin/plugin_state.h"

namespace {

using rig::Dialog;

TEST(PluginEntry, CancelAndCloseBoxReturnNothing) {
  rig::PluginFolder plugin("cancel");
  const auto& exports = plugin.exports();
  ASSERT_TRUE(exports.start);
  EXPECT_EQ(1, exports.interfaceVersion());
  EXPECT_EQ(0, exports.resultKind());

  auto cancelled = rig::RunDialog(plugin, "<p>Hallo", [](Dialog& d) {
    EXPECT_FALSE(rig::IsEnabled(d.Get("bOK")));
    d.Click("bCancel");
  });
  EXPECT_EQ(0, cancelled.kind);
  EXPECT_EQ("", cancelled.text);

  auto closed = rig::RunDialog(plugin, nullptr, [](Dialog& d) { ::PostMessageW(d.window(), WM_CLOSE, 0, 0); });
  EXPECT_EQ(0, closed.kind);
  EXPECT_EQ("", closed.text);
  // Both hand back the one constant empty text of the library.
  EXPECT_EQ(cancelled.pointer, closed.pointer);
  EXPECT_EQ(1, exports.interfaceVersion());
}

TEST(PluginEntry, EscDoesNotCloseTheDialog) {
  rig::PluginFolder plugin("escape");
  auto result = rig::RunDialog(plugin, "x", [](Dialog& d) {
    HWND run = d.Get("bRunTidy");
    d.Focus(run);
    d.PressKey(run, VK_ESCAPE);
    d.Sync();
    EXPECT_TRUE(d.IsOpen());
    d.Click("bCancel");
  });
  EXPECT_EQ(0, result.kind);
}

TEST(PluginEntry, HostWindowsAreDisabledWhileTheDialogIsOpen) {
  rig::PluginFolder plugin("modal");
  HWND host = ::CreateWindowW(L"STATIC", L"Host editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                              nullptr, nullptr, nullptr);
  ASSERT_TRUE(host);
  EXPECT_TRUE(rig::IsEnabled(host));
  rig::RunDialog(plugin, "x", [host](Dialog& d) {
    EXPECT_FALSE(rig::IsEnabled(host));
    d.Click("bCancel");
  });
  EXPECT_TRUE(rig::IsEnabled(host));
  ::DestroyWindow(host);
}

TEST(PluginEntry, BottomBarAndPages) {
  rig::PluginFolder plugin("bottom-bar");
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    EXPECT_EQ(L"Markwash Plugin", rig::WindowText(d.window()));
    EXPECT_EQ(L"&Tidy starten", d.Text("bRunTidy"));
    EXPECT_EQ(L"O&K", d.Text("bOK"));
    EXPECT_EQ(L"Abbrechen", d.Text("bCancel"));
    EXPECT_EQ(0, d.ActivePage("Pages"));
    RECT r;
    ::GetWindowRect(d.window(), &r);
    EXPECT_EQ(593, r.right - r.left);
    EXPECT_EQ(470, r.bottom - r.top);
    d.Click("bCancel");
  });
}

// No error may leave an exported function: the host's process would end.
DWORD WINAPI AnswerErrorBox(LPVOID param) {
  auto* seen = static_cast<std::wstring*>(param);
  if (HWND box = rig::WaitForMessageBox(L"")) {
    *seen = rig::WindowText(box) + L"|" + rig::MessageBoxText(box);
    rig::AnswerMessageBox(box, IDOK);
  }
  return 0;
}

TEST(PluginEntry, AnErrorAtTheBoundaryIsShownAndTheEmptyTextReturnedWithTheKindKept) {
  using namespace markwash::win32;
  SetResultKind(kResultText);
  std::wstring seen;
  HANDLE answerer = ::CreateThread(nullptr, 0, AnswerErrorBox, &seen, 0, nullptr);
  const char* result = StartAtBoundary([]() -> const char* { throw markwash::Error("Cannot open file C:\\x.cfg"); });
  ::WaitForSingleObject(answerer, INFINITE);
  ::CloseHandle(answerer);
  EXPECT_EQ(kEmptyResult, result);
  EXPECT_EQ(kResultText, CurrentResultKind());
  EXPECT_EQ(L"Markwash Plugin|Cannot open file C:\\x.cfg", seen);
}

TEST(PluginEntry, FileExistsCountsFilesButNotFoldersOrPatterns) {
  const std::wstring folder = rig::ProgramFolder() + L"work\\file-exists\\";
  ::CreateDirectoryW((rig::ProgramFolder() + L"work").c_str(), nullptr);
  ::CreateDirectoryW(folder.c_str(), nullptr);
  ::CreateDirectoryW((folder + L"Tidy.exe").c_str(), nullptr);  // a folder with a program's name
  rig::WriteFileBytes(folder + L"Markwash.cfg", "x");
  const std::string base = rig::ToAnsi(folder);
  using markwash::win32::FileExists;
  EXPECT_TRUE(FileExists(base + "Markwash.cfg") && FileExists(base + "MARKWASH.CFG"));
  for (const char* name : {"Tidy.exe", "*.cfg", "missing.cfg"}) EXPECT_FALSE(FileExists(base + name)) << name;
  EXPECT_FALSE(FileExists(""));
}

}  // namespace
