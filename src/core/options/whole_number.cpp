#include "core/options/whole_number.h"

#include <cstdint>
#include <limits>
#include <string>

#include "core/common/error.h"

namespace markwash {

int ParseWholeNumber(std::string_view text) {
  auto fail = [&]() {
    return Error(FormatMessageText("'%s' is not a valid integer value", std::string(text)));
  };
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) throw fail();
  std::int64_t value = 0;
  const std::int64_t limit = std::int64_t{std::numeric_limits<int>::max()} + (negative ? 1 : 0);
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') throw fail();
    value = value * 10 + (c - '0');
    if (value > limit) throw fail();
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace markwash
