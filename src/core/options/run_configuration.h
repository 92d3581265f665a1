// The configuration that one run hands to Tidy, made from the option set for
// the Tidy that runs. The option set itself (stored files, the script page)
// keeps the key names and bytes it always had; only the HTML5 Tidy gets them
// translated, because it knows some keys under new names, has dropped one,
// and reads values as UTF-8.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/text_lines.h"
#include "core/runner/tidy_version.h"

namespace markwash {

// Converts bytes of the ANSI code page to UTF-8.
using AnsiToUtf8 = std::function<std::string(std::string_view)>;

inline constexpr unsigned kWesternCodePage = 1252;

struct RunConfiguration {
  TextLines lines;                 // the file Tidy reads
  std::vector<std::string> notes;  // German lines (UTF-8) for the messages page
};

// For an unknown or older Tidy: the option set unchanged, no notes. For the
// HTML5 Tidy:
// - "hide-endtags" becomes "omit-optional-tags" and "add-xml-pi" becomes
//   "add-xml-decl", values unchanged; a line the user wrote under the new
//   name wins, and the old lines go;
// - "drop-font-tags" goes; a note says so when it was switched on;
// - every key's value is converted to UTF-8, except the file names Tidy opens
//   itself, which it hands to the system in the code page's bytes; a note
//   names the characters of a value that this Tidy cannot read back;
// - on code page 1252, "input-encoding: win1252" is added unless the set
//   names an input encoding or a "char-encoding" other than ascii or latin1;
// - every other line stays as it is.
RunConfiguration ConfigurationForTidy(const TextLines& option_set, TidyKind kind, unsigned ansi_code_page,
                                      const AnsiToUtf8& to_utf8);

}  // namespace markwash
