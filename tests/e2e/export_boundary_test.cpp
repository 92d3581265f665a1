// No error may leave an exported function: the host's process would end.
#include <gtest/gtest.h>

#include "core/common/error.h"
#include "rig/rig.h"
#include "win32/plugin/export_boundary.h"
#include "win32/plugin/plugin_state.h"

namespace {

using namespace markwash::win32;

DWORD WINAPI AnswerErrorBox(LPVOID param) {
  auto* seen = static_cast<std::wstring*>(param);
  if (HWND box = rig::WaitForMessageBox(L"")) {
    *seen = rig::WindowText(box) + L"|" + rig::MessageBoxText(box);
    rig::AnswerMessageBox(box, IDOK);
  }
  return 0;
}

TEST(ExportBoundary, AnErrorIsShownAndTheEmptyTextReturnedWithTheKindKept) {
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

TEST(ExportBoundary, ANormalStartPassesItsResultThrough) {
  static const char text[] = "ok";
  EXPECT_EQ(text, StartAtBoundary([]() -> const char* { return text; }));
}

}  // namespace
