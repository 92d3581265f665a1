// Where in the document a message of Tidy points: Tidy begins such a message
// with "line L column C - " (or "line L - " without a column). Other texts,
// Tidy's messages in other languages among them, name no position.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace markwash {

struct SourcePosition {
  std::size_t line = 0;    // from 1
  std::size_t column = 0;  // from 1; 0 when the message names none
  bool operator==(const SourcePosition& o) const { return line == o.line && column == o.column; }
};

std::optional<SourcePosition> ParseMessagePosition(std::string_view message);

// The preview's label: "Zeile L, Spalte C", or "Zeile L" without a column (UTF-8).
std::string PositionLabel(const SourcePosition& position);

}  // namespace markwash
