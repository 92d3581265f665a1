// Conversion of a configuration value to a whole number, as the reader needs
// it for the wrap widths: an optional sign and decimal digits that fit into a
// 32-bit integer; anything else is an error.
#pragma once
#include <string_view>

namespace markwash {

// Throws Error "'<text>' is not a valid integer value".
int ParseWholeNumber(std::string_view text);

}  // namespace markwash
