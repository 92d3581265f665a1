// A window's text as UTF-16, whatever its length.
#pragma once
#include <windows.h>

#include <string>

namespace markwash::win32 {

std::wstring WindowText(HWND window);

}  // namespace markwash::win32
