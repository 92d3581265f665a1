// The screen cursor behind the nested wait cursor.
#pragma once
#include <windows.h>

#include "core/common/wait_cursor.h"

namespace markwash::win32 {

class ScreenCursor : public CursorScreen {
 public:
  void SaveAndShowBusy() override { saved_ = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT)); }
  void RestoreSaved() override { ::SetCursor(saved_); }

 private:
  HCURSOR saved_ = nullptr;
};

}  // namespace markwash::win32
