#include "core/common/message_inserts.h"

namespace markwash {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FillMessageInserts(std::string_view text, std::string_view first_insert) {
  std::string out;
  out.reserve(text.size() + first_insert.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%' || i + 1 >= text.size() || !IsDigit(text[i + 1]) || text[i + 1] == '0') {
      out += text[i];
      continue;
    }
    std::size_t end = i + 1;
    while (end < text.size() && IsDigit(text[end])) ++end;
    const bool first = text.substr(i + 1, end - i - 1) == "1";
    // A printf-style format ("%1!s!") belongs to the insert.
    if (end < text.size() && text[end] == '!') {
      const std::size_t close = text.find('!', end + 1);
      if (close != std::string_view::npos) end = close + 1;
    }
    if (first) out += first_insert;
    i = end - 1;
  }
  return out;
}

}  // namespace markwash
