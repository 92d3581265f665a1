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
  // The same for a piece written straight into the block (a file read into
  // it, without a buffer beside it): Room gives space for `bytes` more at the
  // end, AddWritten takes the first `written` of them and drops the rest.
  // Text with CR LF line ends stays where it was written.
  char* Room(std::size_t bytes);
  bool AddWritten(std::size_t written);
  // Ends the last line when the text did not; true when a NUL byte ended the
  // text. Another text may follow.
  bool Finish();
  // A line of a finished text.
  void AddLine(std::string_view line);

  std::size_t size() const { return starts_.size(); }
  bool empty() const { return starts_.empty(); }
  std::string_view operator[](std::size_t line) const;  // without its CR LF
  std::string_view Joined() const { return elsewhere_.data() ? elsewhere_ : std::string_view(text_); }
  // The joined text moved out (copied when kept elsewhere); the block is left empty.
  std::string TakeJoined();
  // From now on the block reads its text from `elsewhere`, which holds the
  // same bytes as Joined() for the block's life (a copy in a file, say), and
  // gives its own memory back. Such a block takes no more text.
  void KeepTextIn(std::string_view elsewhere);
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
  bool Keep(std::size_t from);

  std::string text_;  // ended lines with CR LF, then the start of an unended one
  std::string_view elsewhere_;  // the same text, when kept elsewhere
  std::vector<std::size_t> starts_;
  std::size_t open_ = 0;    // where the unended line starts in text_
  bool pendingCr_ = false;  // the last piece ended in CR: an LF next is its partner
  bool ended_ = false;
  std::size_t written_ = 0;  // where the room given last starts
};


// Joins with CR LF after every line, the last one included.
std::string JoinLines(const TextLines& lines);

}  // namespace markwash
