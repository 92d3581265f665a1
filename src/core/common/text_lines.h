// Text lines: the 8-bit (ANSI code page) line lists that carry the document,
// the configuration script and Tidy's messages. Bytes are never re-encoded.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace markwash {

using TextLines = std::vector<std::string>;

// Splits at CR LF, lone LF and lone CR; the text ends at its first NUL byte.
// A final line end does not start another (empty) line.
TextLines SplitLines(std::string_view text);

// A document's lines in one block, each followed by CR LF, with the start of
// every line: a large document costs little more than its bytes (a string
// per line would nearly double it), and the host's text or Tidy's file is
// written, read and handed back in one piece. The text may come in pieces
// (a file read in blocks); it is split exactly as SplitLines splits it whole.
class LineBlock {
 public:
  LineBlock() = default;
  explicit LineBlock(std::string_view text);

  // False once a NUL byte has ended the text; later pieces are ignored.
  bool Add(std::string_view piece);
  // Ends the last line when the text did not; true when a NUL byte ended the
  // text. Another text may follow.
  bool Finish();
  // A line of a finished text.
  void AddLine(std::string_view line);

  std::size_t size() const { return starts_.size(); }
  bool empty() const { return starts_.empty(); }
  std::string_view operator[](std::size_t line) const;  // without its CR LF
  const std::string& Joined() const { return text_; }
  // The joined text moved out; the block is left empty.
  std::string TakeJoined();
  void clear();  // gives the memory back
  void reserve(std::size_t bytes) { text_.reserve(bytes); }

  class Iterator {
   public:
    Iterator(const LineBlock& block, std::size_t line) : block_(block), line_(line) {}
    std::string_view operator*() const { return block_[line_]; }
    Iterator& operator++() { ++line_; return *this; }
    bool operator!=(const Iterator& other) const { return line_ != other.line_; }

   private:
    const LineBlock& block_;
    std::size_t line_;
  };
  Iterator begin() const { return {*this, 0}; }
  Iterator end() const { return {*this, size()}; }

 private:
  void EndLine();

  std::string text_;  // ended lines with CR LF, then the start of an unended one
  std::vector<std::size_t> starts_;
  std::size_t open_ = 0;    // where the unended line starts in text_
  bool pendingCr_ = false;  // the last piece ended in CR: an LF next is its partner
  bool ended_ = false;
};


// Joins with CR LF after every line, the last one included.
std::string JoinLines(const TextLines& lines);

}  // namespace markwash
