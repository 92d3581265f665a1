// Conversions at the window boundary: UI texts are UTF-8 in the source and
// UTF-16 on screen; file and document texts are bytes of the ANSI code page.
#pragma once
#include <string>
#include <string_view>

namespace markwash::win32 {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);
std::string Utf8ToAnsi(std::string_view text);

}  // namespace markwash::win32
