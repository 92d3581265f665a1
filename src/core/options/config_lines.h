// Key lines of an HTML Tidy configuration script: "key: value". A line
// belongs to a key when it starts, in its first column, with the key and a
// colon, compared without regard to ASCII letter case. When a key occurs on
// several lines, the last one counts for reading and replacing, as it does
// for HTML Tidy.
#pragma once
#include <string>
#include <string_view>

#include "core/common/ascii_text.h"
#include "core/common/text_lines.h"

namespace markwash {

// Index of the key's line, or -1.
int FindKeyLine(const TextLines& lines, std::string_view key);

// The text after the key's colon without leading and trailing white space and
// control characters; "" when the key has no line.
std::string GetKeyValue(const TextLines& lines, std::string_view key);

// Replaces the key's line in place by "key: value" (value untrimmed), or
// appends that line when the key has none.
void SetKey(TextLines& lines, std::string_view key, std::string_view value);

// Removes every line of the key: were only the last one removed, an earlier
// one would take effect in its place, and a cleared option would come back.
void DeleteKey(TextLines& lines, std::string_view key);

// DeleteKey when the value is blank, else SetKey with the untrimmed value.
void SetOrDeleteKey(TextLines& lines, std::string_view key, std::string_view value);

// The trimming of GetKeyValue: bytes up to the blank, and DEL.
std::string_view TrimValue(std::string_view value);

}  // namespace markwash
