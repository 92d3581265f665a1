#include "core/dialog/print_layout.h"

#include <algorithm>

namespace markwash {
namespace {

class PageWriter {
 public:
  PageWriter(const TextMeasurer& measurer, int page_width, int page_height,
             const std::function<bool(unsigned char)>& is_lead_byte)
      : measurer_(measurer), page_width_(page_width), page_height_(page_height),
        is_lead_byte_(is_lead_byte), pages_(1) {}

  void WriteLine(std::string_view line) {
    size_t begin = 0;
    for (size_t i = 0; i < line.size(); ++i) {
      if (line[i] != '\t' && line[i] != '\f') continue;
      WriteText(line.substr(begin, i - begin));
      begin = i + 1;
      if (line[i] == '\t') {
        Tab();
      } else {
        NewPage();
      }
    }
    WriteText(line.substr(begin));
    EndLine();
  }

  std::vector<PrintPage> Finish() {
    // A page begun by the last line end or form feed carries nothing.
    while (pages_.size() > 1 && pages_.back().commands.empty()) pages_.pop_back();
    return std::move(pages_);
  }

 private:
  void WriteText(std::string_view text) {
    while (!text.empty()) {
      size_t fit = LongestFittingPrefix(text);
      if (fit == 0) {
        if (x_ > 0) {
          EndLine();
          continue;
        }
        // Not even one character fits on an empty line: print it anyway,
        // otherwise the text would never get onto paper.
        fit = CharLength(text, 0);
      }
      const std::string_view piece = text.substr(0, fit);
      const TextExtent extent = measurer_.Extent(piece);
      // Empty lines may carry the position right down to the page's end;
      // text that would run off the paper goes to the next page instead.
      if (y_ > 0 && y_ + extent.height > page_height_) NewPage();
      pages_.back().commands.push_back({x_, y_, std::string(piece)});
      tallest_ = std::max(tallest_, extent.height);
      text.remove_prefix(fit);
      if (text.empty()) {
        x_ += extent.width;
      } else {
        EndLine();
      }
    }
  }

  void Tab() {
    const int stop = std::max(1, measurer_.AverageCharWidth() * 8);
    x_ = (x_ / stop + 1) * stop;
  }

  void EndLine() {
    const bool empty = tallest_ == 0;
    const int height = empty ? measurer_.TextHeight() : tallest_ + 2;
    x_ = 0;
    y_ += height;
    tallest_ = 0;
    if (y_ > (empty ? page_height_ : page_height_ - 2 * height)) NewPage();
  }

  void NewPage() {
    pages_.emplace_back();
    x_ = 0;
    y_ = 0;
    tallest_ = 0;
  }

  size_t CharLength(std::string_view text, size_t at) const {
    const bool pair = is_lead_byte_ && at + 1 < text.size() &&
                      is_lead_byte_(static_cast<unsigned char>(text[at]));
    return pair ? 2 : 1;
  }

  // The longest run of whole characters that still fits behind the current
  // position; widths grow with length, so a binary search over the character
  // ends finds it with few measurements.
  size_t LongestFittingPrefix(std::string_view text) const {
    std::vector<size_t> ends;
    for (size_t i = 0; i < text.size(); i += CharLength(text, i)) ends.push_back(i + CharLength(text, i));
    size_t low = 0, high = ends.size();  // ends[0..low) fit; ends[high..) do not
    while (low < high) {
      const size_t mid = (low + high) / 2;
      if (x_ + measurer_.Extent(text.substr(0, ends[mid])).width <= page_width_) {
        low = mid + 1;
      } else {
        high = mid;
      }
    }
    return low == 0 ? 0 : ends[low - 1];
  }

  const TextMeasurer& measurer_;
  const int page_width_;
  const int page_height_;
  const std::function<bool(unsigned char)>& is_lead_byte_;
  std::vector<PrintPage> pages_;
  int x_ = 0;
  int y_ = 0;
  int tallest_ = 0;  // tallest text on the current printed line; 0 = none yet
};

}  // namespace

std::vector<PrintPage> LayOutPrintPages(const LineBlock& lines, const TextMeasurer& measurer,
                                        int page_width, int page_height,
                                        const std::function<bool(unsigned char)>& is_lead_byte) {
  PageWriter writer(measurer, page_width, page_height, is_lead_byte);
  for (std::string_view line : lines) writer.WriteLine(line);
  return writer.Finish();
}

}  // namespace markwash
