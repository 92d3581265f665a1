// Configuration values as HTML Tidy itself reads them. Tidy takes the first
// word of a value and compares it without regard to letter case, so
// "clean: True" and "doctype: HTML5" mean to Tidy what the lower-case words
// mean. The dialog must read them the same way, or the next merge would
// write back the opposite of what the user's file told Tidy.
#pragma once
#include <string_view>

namespace markwash {

// A yes/no value (and "auto" where Tidy offers it): 1 y t yes true, 0 n f no
// false, auto; anything else Tidy rejects, keeping its default.
enum class TidyChoice { kNo, kYes, kAuto, kOther };
TidyChoice ReadTidyChoice(std::string_view value);

// A document type that Tidy reads as one of its keywords (html5 omit auto
// strict loose transitional user), to be written bare; any other text names
// a formal public identifier and is written quoted.
bool IsTidyDocTypeKeyword(std::string_view value);

}  // namespace markwash
