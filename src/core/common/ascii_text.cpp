#include "core/common/ascii_text.h"

namespace markwash {
namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool IsAsciiBlank(char c) { return c == ' ' || c == '\t'; }

bool IsAsciiSpaceOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view TrimAscii(std::string_view text, bool (*is_trimmed)(char)) {
  while (!text.empty() && is_trimmed(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_trimmed(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace markwash
