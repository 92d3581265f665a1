#include "core/dialog/placement_values.h"

#include "core/common/ascii_text.h"
#include "core/common/whole_number.h"

namespace markwash {
namespace {

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool EnclosedInQuotes(std::string_view text) {
  return text.size() >= 2 && IsQuote(text.front()) && text.back() == text.front();
}

}  // namespace

std::string EncodeProfileText(std::string_view value) {
  // Control characters at the ends go too: a line break would end the ini line.
  const std::string_view trimmed = TrimAscii(value, IsAsciiSpaceOrControl);
  // A lone quote also begins and ends with a quote; wrapping it keeps the
  // round trip true whichever way the read treats a single character.
  if (!trimmed.empty() && IsQuote(trimmed.front()) && trimmed.back() == trimmed.front()) {
    return "\"" + std::string(trimmed) + "\"";
  }
  return std::string(trimmed);
}

std::string DecodeProfileText(std::string_view stored) {
  std::string_view text = TrimAscii(stored, IsAsciiBlank);
  if (EnclosedInQuotes(text)) text = text.substr(1, text.size() - 2);
  return std::string(text);
}

std::string FormatPositionWords(const PositionWords& words) {
  return std::to_string(words[0]) + "," + std::to_string(words[1]) + "," +
         std::to_string(words[2]) + "," + std::to_string(words[3]);
}

PositionWords ParsePositionWords(std::string_view text, const PositionWords& defaults) {
  PositionWords words = defaults;
  size_t index = 0;
  size_t i = 0;
  while (index < words.size()) {
    while (i < text.size() && (text[i] == ',' || text[i] == ' ')) ++i;
    if (i == text.size()) break;
    const size_t begin = i;
    while (i < text.size() && text[i] != ',' && text[i] != ' ') ++i;
    if (const auto number = ParseWholeNumber(text.substr(begin, i - begin))) words[index] = *number;
    ++index;
  }
  return words;
}

WindowState WindowStateFromShowCmd(int show_cmd) {
  switch (show_cmd) {
    case 2: case 6: case 7: return WindowState::Minimized;
    case 3: return WindowState::Maximized;
    default: return WindowState::Normal;
  }
}

std::string ScreenSizeKey(std::string_view key, int screen_width, int screen_height) {
  return std::string(key) + "(" + std::to_string(screen_width) + "x" +
         std::to_string(screen_height) + ")";
}

std::optional<size_t> FindPageByName(std::string_view stored, std::string_view form_name,
                                     const std::vector<std::string>& page_names) {
  if (EqualsIgnoreAsciiCase(stored, "(null)")) return std::nullopt;
  std::string_view name = stored;
  if (const size_t dot = stored.find('.'); dot != std::string_view::npos) {
    if (!EqualsIgnoreAsciiCase(stored.substr(0, dot), form_name)) return std::nullopt;
    name = stored.substr(dot + 1);
  }
  for (size_t i = 0; i < page_names.size(); ++i) {
    if (EqualsIgnoreAsciiCase(name, page_names[i])) return i;
  }
  return std::nullopt;
}

}  // namespace markwash
