#include "core/common/text_lines.h"

#include <utility>


namespace markwash {

TextLines SplitLines(std::string_view text) {
  const LineBlock block(text);
  TextLines lines;
  lines.reserve(block.size());
  for (std::string_view line : block) lines.emplace_back(line);
  return lines;
}

LineBlock::LineBlock(std::string_view text) {
  // Room for a CR LF in place of each lone line end of short lines.
  reserve(text.size() + text.size() / 16 + 2);
  Add(text);
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
  std::string text = std::move(text_);
  clear();
  return text;
}

void LineBlock::clear() {
  LineBlock none;
  std::swap(*this, none);
}

std::string_view LineBlock::operator[](std::size_t line) const {
  const std::size_t end = line + 1 < starts_.size() ? starts_[line + 1] : open_;
  return std::string_view(text_).substr(starts_[line], end - starts_[line] - 2);
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
