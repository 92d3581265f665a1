// Whole numbers in text: an optional sign and decimal digits that fit into a
// 32-bit integer, nothing else (no blanks, no separators). One parser; the
// wrappers say what a caller does with text that is no such number.
#pragma once
#include <optional>
#include <string_view>

namespace markwash {

// None for anything but a whole number in range.
std::optional<int> ParseWholeNumber(std::string_view text);

// The fallback for anything but a whole number in range.
int WholeNumberOr(std::string_view text, int fallback);

// Throws Error "'<text>' is not a valid integer value" for anything but a
// whole number in range.
int WholeNumberOrThrow(std::string_view text);

}  // namespace markwash
