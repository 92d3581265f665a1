#include "core/options/tidy_values.h"

#include <initializer_list>

#include "core/options/config_lines.h"

namespace markwash {
namespace {

bool IsWhite(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// The word Tidy compares: leading white space skipped, up to the next.
std::string_view FirstWord(std::string_view value) {
  std::size_t start = 0;
  while (start < value.size() && IsWhite(value[start])) ++start;
  std::size_t end = start;
  while (end < value.size() && !IsWhite(value[end])) ++end;
  return value.substr(start, end - start);
}

bool IsOneOf(std::string_view word, std::initializer_list<std::string_view> spellings) {
  for (const std::string_view spelling : spellings) {
    if (EqualsIgnoreAsciiCase(word, spelling)) return true;
  }
  return false;
}

}  // namespace

TidyChoice ReadTidyChoice(std::string_view value) {
  const std::string_view word = FirstWord(value);
  if (IsOneOf(word, {"1", "y", "t", "yes", "true"})) return TidyChoice::kYes;
  if (IsOneOf(word, {"0", "n", "f", "no", "false"})) return TidyChoice::kNo;
  if (EqualsIgnoreAsciiCase(word, "auto")) return TidyChoice::kAuto;
  return TidyChoice::kOther;
}

bool IsTidyDocTypeKeyword(std::string_view value) {
  return IsOneOf(FirstWord(value), {"html5", "omit", "auto", "strict", "loose", "transitional", "user"});
}

}  // namespace markwash
