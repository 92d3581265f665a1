#include "core/runner/tidy_version.h"

#include <cstddef>

namespace markwash {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The dotted number that starts at `at`, e.g. "5.6.0"; empty when none does.
std::string_view DottedNumberAt(std::string_view text, size_t at) {
  size_t end = at;
  while (end < text.size() && (IsDigit(text[end]) || (text[end] == '.' && end > at))) ++end;
  while (end > at && text[end - 1] == '.') --end;
  return text.substr(at, end - at);
}

}  // namespace

TidyVersion ParseTidyVersion(std::string_view answer) {
  // The first dotted number standing as a word of its own: the words around
  // it are translated in some builds ("version", "versão"), the number is not.
  for (size_t at = 0; at < answer.size(); ++at) {
    if (!IsDigit(answer[at]) || (at > 0 && answer[at - 1] != ' ')) continue;
    const std::string_view number = DottedNumberAt(answer, at);
    if (number.find('.') == std::string_view::npos) continue;
    // The major number alone decides; "10.1" is later than "5.8", not earlier.
    unsigned long major = 0;
    for (char c : number.substr(0, number.find('.'))) major = major < 100000 ? major * 10 + (c - '0') : major;
    return major >= 5 ? TidyVersion{TidyKind::kHtml5, std::string(number)} : TidyVersion{};
  }
  return {};
}

std::string TidyVersionCaption(const TidyVersion& version) {
  return version.kind == TidyKind::kHtml5 ? "HTML Tidy " + version.number : "Version unbekannt";
}

std::string TidyInUseText(const TidyVersion& version) {
  return version.kind == TidyKind::kHtml5 ? "Das Plugin verwendet HTML Tidy " + version.number + "."
                                          : "Das Plugin verwendet Tidy.exe (Version unbekannt).";
}

}  // namespace markwash
