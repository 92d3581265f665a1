#include "core/options/doctype_value.h"

namespace markwash {

std::string QuoteDocType(std::string_view text) {
  std::string value = "\"";
  for (const char c : text) {
    value += c;
    if (c == '"') value += '"';
  }
  value += '"';
  return value;
}

std::string UnquoteDocType(std::string_view value) {
  std::string text;
  for (std::size_t i = 1; i < value.size(); ++i) {
    if (value[i] != '"') {
      text += value[i];
    } else if (i + 1 < value.size() && value[i + 1] == '"') {
      text += '"';
      ++i;
    } else {
      return text;
    }
  }
  if (!text.empty()) text.pop_back();
  return text;
}

}  // namespace markwash
