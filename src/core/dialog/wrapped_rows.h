// Word wrapping of text lines in a fixed-pitch font, where every character
// takes one column and the number of rows a line needs is plain arithmetic.
// A view over many lines keeps only an index of where each line's rows begin
// (one number per line), so that it can lay out and draw just the rows it
// shows; a row's text is found again by wrapping its one line.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/text_lines.h"

namespace markwash {

// Tabs stop every this many columns, counted from the start of the row.
inline constexpr int kTabColumns = 8;

// Where the rows of one line begin (byte offsets; the first is 0), wrapped at
// `width` columns (at least 1). A row holds what fits; when a character does
// not fit, the row ends after the last blank before it, or before the
// character when the row has no blank (a word longer than a row is cut).
// Blanks never start a row: they may run past the edge of the row they end.
// An empty line is one row. `starts` is replaced, so that a caller wrapping
// line after line keeps one buffer.
void RowStarts(std::string_view line, int width, std::vector<std::size_t>& starts);
std::size_t RowCount(std::string_view line, int width);

// The text with its tabs expanded to blanks, from a row's start; no further
// than `columns`, so that a view of a long line expands only what it shows.
std::string ExpandTabs(std::string_view text, std::size_t columns = SIZE_MAX);

// The rows of a list of lines at one width: row -> line in O(log n).
class WrapIndex {
 public:
  struct Place {
    std::size_t line = 0;
    std::size_t rowInLine = 0;
  };

  // O(total length of the lines); no other allocation than the index.
  void Build(const LineBlock& lines, int width);
  int width() const { return width_; }
  std::size_t RowCount() const { return firstRow_.empty() ? 0 : firstRow_.back(); }
  std::size_t LineCount() const { return firstRow_.empty() ? 0 : firstRow_.size() - 1; }
  std::size_t FirstRowOf(std::size_t line) const { return firstRow_.at(line); }
  std::size_t RowsOf(std::size_t line) const { return firstRow_.at(line + 1) - firstRow_.at(line); }
  // The line of a row below RowCount(), and the row's place within it.
  Place PlaceOf(std::size_t row) const;

 private:
  int width_ = 1;
  std::vector<std::size_t> firstRow_;  // one more than lines: the last is the row count
};

}  // namespace markwash
