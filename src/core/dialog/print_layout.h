// Pagination of plain text lines for the printer: where each piece of text
// goes on which page, given the printer font's measurements. The printer
// itself only replays the draw commands page by page.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/text_lines.h"

namespace markwash {

struct TextExtent {
  int width = 0;
  int height = 0;
};

// The printer font's measurements, in device pixels.
class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  virtual TextExtent Extent(std::string_view text) const = 0;
  virtual int TextHeight() const = 0;
  virtual int AverageCharWidth() const = 0;
};

struct DrawCommand {
  int x = 0;
  int y = 0;
  std::string text;
  bool operator==(const DrawCommand& o) const { return x == o.x && y == o.y && text == o.text; }
};

struct PrintPage {
  std::vector<DrawCommand> commands;
};

// Lays out the lines from the top-left corner of the printable area, without
// margins: a line too wide breaks at its last character that fits (never
// inside a double-byte character), a tab moves to the next stop of 8 average
// character widths, a form feed starts a new page. A line moves the position
// down by its tallest text + 2 (an empty line by the font's text height);
// below page height minus twice that (empty line: below the page height)
// a new page begins; text that would reach past the page's bottom also
// begins one. An empty list gives one empty page; a page that would stay
// empty at the end of the output is not sent.
std::vector<PrintPage> LayOutPrintPages(const LineBlock& lines, const TextMeasurer& measurer,
                                        int page_width, int page_height,
                                        const std::function<bool(unsigned char)>& is_lead_byte = {});

}  // namespace markwash
