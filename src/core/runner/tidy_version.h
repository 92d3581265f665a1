// Which Tidy a Tidy.exe is, from what it answers to "-v": the HTML5 Tidy
// (version 5 and later) names its option keys differently from the Tidy of
// earlier years, so a run configuration must know which one it speaks to.
#pragma once
#include <string>
#include <string_view>

namespace markwash {

enum class TidyKind {
  kUnknown,  // older ("released on ..."), silent, hung, crashed or unreadable
  kHtml5,    // "... version 5.x" and later
};

struct TidyVersion {
  TidyKind kind = TidyKind::kUnknown;
  std::string number;  // "5.6.0" for the HTML5 Tidy, else empty
};

// Reads the answer to "-v", e.g. "HTML Tidy for Windows version 5.6.0".
TidyVersion ParseTidyVersion(std::string_view answer);

// What the dialog shows about it (UTF-8): "HTML Tidy 5.6.0" or "Version unbekannt".
std::string TidyVersionCaption(const TidyVersion& version);

// The about page's line on the Tidy in use (UTF-8).
std::string TidyInUseText(const TidyVersion& version);

}  // namespace markwash
