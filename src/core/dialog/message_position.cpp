#include "core/dialog/message_position.h"

namespace markwash {
namespace {

// Takes `word` from the front of `text`.
bool Take(std::string_view& text, std::string_view word) {
  if (text.substr(0, word.size()) != word) return false;
  text.remove_prefix(word.size());
  return true;
}

// A whole number from 1 up, with no more digits than a position can have,
// so that no number from a hostile message overflows.
std::optional<std::size_t> TakeNumber(std::string_view& text) {
  constexpr std::size_t kMaxDigits = 9;
  std::size_t digits = 0, value = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
    if (digits == kMaxDigits) return std::nullopt;
    value = value * 10 + static_cast<std::size_t>(text[digits] - '0');
    ++digits;
  }
  if (digits == 0 || value == 0) return std::nullopt;
  text.remove_prefix(digits);
  return value;
}

}  // namespace

std::optional<SourcePosition> ParseMessagePosition(std::string_view message) {
  if (!Take(message, "line ")) return std::nullopt;
  const auto line = TakeNumber(message);
  if (!line) return std::nullopt;
  if (Take(message, " - ")) return SourcePosition{*line, 0};
  if (!Take(message, " column ")) return std::nullopt;
  const auto column = TakeNumber(message);
  if (!column || !Take(message, " - ")) return std::nullopt;
  return SourcePosition{*line, *column};
}

std::string PositionLabel(const SourcePosition& position) {
  std::string label = "Zeile " + std::to_string(position.line);
  if (position.column > 0) label += ", Spalte " + std::to_string(position.column);
  return label;
}

}  // namespace markwash
