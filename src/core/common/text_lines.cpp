#include "core/common/text_lines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>


namespace markwash {
namespace {

// The first CR or LF from `at` on; the text's size when there is none. Eight
// bytes are looked at together: where none is below 14, none is CR or LF.
std::size_t NextLineEnd(std::string_view text, std::size_t at) {
  constexpr std::uint64_t kOnes = 0x0101010101010101, kHighs = 0x8080808080808080;
  while (at < text.size()) {
    for (std::uint64_t word; at + 8 <= text.size(); at += 8) {
      std::memcpy(&word, text.data() + at, 8);
      if (((word - kOnes * 14) & ~word & kHighs) != 0) break;
    }
    for (const std::size_t stop = std::min(at + 8, text.size()); at < stop; ++at) {
      if (text[at] == '\r' || text[at] == '\n') return at;
    }
  }
  return text.size();
}

}  // namespace

TextLines SplitLines(std::string_view text) {
  const LineBlock block(text);
  TextLines lines;
  lines.reserve(block.size());
  for (std::string_view line : block) lines.emplace_back(line);
  return lines;
}

LineBlock::LineBlock(std::string_view text) {
  reserve(text.size() + 2);
  std::copy(text.begin(), text.end(), Room(text.size()));
  AddWritten(text.size());
  Finish();
}

bool LineBlock::Add(std::string_view piece) {
  if (ended_) return false;
  const auto nul = piece.find('\0');
  if (nul != std::string_view::npos) {
    piece = piece.substr(0, nul);
    ended_ = true;
  }
  if (piece.empty()) return !ended_;
  std::size_t start = 0;
  if (pendingCr_ && piece[0] == '\n') start = 1;
  pendingCr_ = false;
  for (std::size_t i = start; i < piece.size(); ++i) {
    const char c = piece[i];
    if (c != '\r' && c != '\n') continue;
    text_.append(piece.substr(start, i - start));
    EndLine();
    if (c == '\r' && i + 1 == piece.size()) pendingCr_ = true;
    if (c == '\r' && i + 1 < piece.size() && piece[i + 1] == '\n') ++i;
    start = i + 1;
  }
  text_.append(piece.substr(start));
  return !ended_;
}

char* LineBlock::Room(std::size_t bytes) {
  written_ = text_.size();
  text_.resize(written_ + bytes);
  return text_.data() + written_;
}

bool LineBlock::AddWritten(std::size_t written) {
  const std::size_t from = written_;
  text_.resize(from + written);
  const std::string_view piece = std::string_view(text_).substr(from);
  if (ended_ || pendingCr_ || piece.find('\0') != std::string_view::npos) return Keep(from);
  // Only CR LF line ends: every line stays where it is.
  const std::size_t lines = starts_.size(), open = open_;
  for (std::size_t i = NextLineEnd(piece, 0); i < piece.size(); i = NextLineEnd(piece, i + 2)) {
    if (piece[i] == '\n' || i + 1 == piece.size() || piece[i + 1] != '\n') {
      starts_.resize(lines);
      open_ = open;
      return Keep(from);
    }
    starts_.push_back(open_);
    open_ = from + i + 2;
  }
  return true;
}

// A written piece with other line ends, or after a NUL or a CR: it is split
// as Add splits it.
bool LineBlock::Keep(std::size_t from) {
  const std::string piece = text_.substr(from);
  text_.resize(from);
  // Sized once: each lone CR or LF becomes two bytes.
  std::size_t lone = 0;
  for (std::size_t i = 0; i < piece.size(); ++i) {
    if (piece[i] == '\n' && (i == 0 || piece[i - 1] != '\r')) ++lone;
    if (piece[i] == '\r' && (i + 1 == piece.size() || piece[i + 1] != '\n')) ++lone;
  }
  reserve(text_.size() + piece.size() + lone + 2);
  return Add(piece);
}

bool LineBlock::Finish() {
  if (text_.size() > open_) EndLine();
  pendingCr_ = false;
  const bool endedAtNul = ended_;
  ended_ = false;
  return endedAtNul;
}

void LineBlock::AddLine(std::string_view line) {
  text_.append(line);
  EndLine();
}

void LineBlock::EndLine() {
  starts_.push_back(open_);
  text_ += "\r\n";
  open_ = text_.size();
}

std::string LineBlock::TakeJoined() {
  std::string text = elsewhere_.data() ? std::string(elsewhere_) : std::move(text_);
  clear();
  return text;
}

void LineBlock::KeepTextIn(std::string_view elsewhere) {
  elsewhere_ = elsewhere;
  std::string().swap(text_);
}

void LineBlock::clear() {
  LineBlock none;
  std::swap(*this, none);
}

std::string_view LineBlock::operator[](std::size_t line) const {
  const std::size_t end = line + 1 < starts_.size() ? starts_[line + 1] : open_;
  return Joined().substr(starts_[line], end - starts_[line] - 2);
}

std::string JoinLines(const TextLines& lines) {
  std::string text;
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  text.reserve(size);
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace markwash
