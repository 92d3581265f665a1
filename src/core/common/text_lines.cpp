#include "core/common/text_lines.h"

#include <algorithm>

namespace markwash {

TextLines SplitLines(std::string_view text) {
  const auto nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  TextLines lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::size_t JoinedSize(const TextLines& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  return size;
}

void JoinLinesInto(const TextLines& lines, char* block) {
  for (const auto& line : lines) {
    block = std::copy(line.begin(), line.end(), block);
    *block++ = '\r';
    *block++ = '\n';
  }
  *block = '\0';
}

std::string JoinLines(const TextLines& lines) {
  std::string text;
  text.reserve(JoinedSize(lines));
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace markwash
