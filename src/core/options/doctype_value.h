// The value form of a typed document type: in double quotes, each inner
// double quote doubled.
#pragma once
#include <string>
#include <string_view>

namespace markwash {

std::string QuoteDocType(std::string_view text);

// For a value that starts with a double quote: the text up to the first
// single closing quote, doubled quotes made single, anything after the
// closing quote dropped. Without a closing quote the last character is taken
// for it and dropped.
std::string UnquoteDocType(std::string_view value);

}  // namespace markwash
