// Text helpers for ASCII rules on 8-bit text: keys, property names and
// numbers are ASCII, so only the letters A-Z fold and only ASCII characters
// are trimmed; other bytes of the ANSI code page stay as they are.
#pragma once
#include <string_view>

namespace markwash {

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);

bool IsAsciiBlank(char c);           // space or tab
bool IsAsciiSpaceOrControl(char c);  // space and every control character below it

// The text without the characters that the predicate names at either end.
std::string_view TrimAscii(std::string_view text, bool (*is_trimmed)(char));

}  // namespace markwash
