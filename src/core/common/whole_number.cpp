#include "core/common/whole_number.h"

#include <cstdint>
#include <limits>
#include <string>

#include "core/common/error.h"

namespace markwash {

std::optional<int> ParseWholeNumber(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  const std::int64_t limit = std::int64_t{std::numeric_limits<int>::max()} + (negative ? 1 : 0);
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<int>(negative ? -value : value);
}

int WholeNumberOr(std::string_view text, int fallback) { return ParseWholeNumber(text).value_or(fallback); }

int WholeNumberOrThrow(std::string_view text) {
  if (const auto number = ParseWholeNumber(text)) return *number;
  throw Error(FormatMessageText("'%s' is not a valid integer value", std::string(text)));
}

}  // namespace markwash
