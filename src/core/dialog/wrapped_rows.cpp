#include "core/dialog/wrapped_rows.h"

#include <algorithm>
#include <cstring>

namespace markwash {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int TabAdvance(int column) { return kTabColumns - column % kTabColumns; }

// Calls `rowStart` with the offset of every row after the first.
template <typename OnRow>
void WrapRows(std::string_view line, int width, OnRow rowStart) {
  width = std::max(1, width);
  // Most lines fit as they are: no need to look at their characters.
  if (line.size() <= static_cast<std::size_t>(width) && std::memchr(line.data(), '\t', line.size()) == nullptr)
    return;
  std::size_t start = 0;
  std::size_t afterBlank = 0;  // where the row may end, 0 for nowhere
  int column = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (IsBlank(c)) {
      column += c == '\t' ? TabAdvance(column) : 1;
      afterBlank = i + 1;
      continue;
    }
    while (column + 1 > width && i > start) {
      // The word from the last blank on moves to the next row, unless the
      // row holds nothing else; then the word is cut here.
      const std::size_t next = afterBlank > start ? afterBlank : i;
      rowStart(next);
      start = next;
      afterBlank = 0;
      column = static_cast<int>(i - next);  // only the word's own characters
    }
    ++column;
  }
}

}  // namespace

void RowStarts(std::string_view line, int width, std::vector<std::size_t>& starts) {
  starts.assign(1, 0);
  WrapRows(line, width, [&](std::size_t at) { starts.push_back(at); });
}

std::size_t RowCount(std::string_view line, int width) {
  std::size_t rows = 1;
  WrapRows(line, width, [&](std::size_t) { ++rows; });
  return rows;
}

std::string ExpandTabs(std::string_view text, std::size_t columns) {
  std::string expanded;
  expanded.reserve(std::min(text.size(), columns));
  for (std::size_t i = 0; i < text.size() && expanded.size() < columns; ++i) {
    if (text[i] == '\t')
      expanded.append(static_cast<std::size_t>(TabAdvance(static_cast<int>(expanded.size() % kTabColumns))), ' ');
    else
      expanded.push_back(text[i]);
  }
  if (expanded.size() > columns) expanded.resize(columns);
  return expanded;
}

void WrapIndex::Build(const LineBlock& lines, int width) {
  width_ = std::max(1, width);
  firstRow_.clear();
  firstRow_.reserve(lines.size() + 1);
  std::size_t row = 0;
  firstRow_.push_back(0);
  for (std::string_view line : lines) {
    row += markwash::RowCount(line, width_);
    firstRow_.push_back(row);
  }
}

WrapIndex::Place WrapIndex::PlaceOf(std::size_t row) const {
  // The last line whose first row is not after `row`.
  const auto after = std::upper_bound(firstRow_.begin(), firstRow_.end() - 1, row);
  const std::size_t line = static_cast<std::size_t>(after - firstRow_.begin()) - 1;
  return {line, row - firstRow_[line]};
}

}  // namespace markwash
