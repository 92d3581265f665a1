#include "core/dialog/message_selection.h"

#include <algorithm>

namespace markwash {

void MessageSelection::Reset(std::size_t count) {
  *this = MessageSelection();
  count_ = count;
}

void MessageSelection::Select(std::size_t message, bool extend) {
  if (count_ == 0) return;
  message = std::min(message, count_ - 1);
  if (!extend || !any_) anchor_ = message;
  current_ = message;
  any_ = true;
  first_ = std::min(anchor_, message);
  last_ = std::max(anchor_, message);
}

void MessageSelection::Move(long step, bool extend) {
  if (count_ == 0) return;
  if (!current_) {
    Select(step > 0 ? 0 : count_ - 1, extend);
    return;
  }
  const long target = static_cast<long>(*current_) + step;
  Select(target < 0 ? 0 : static_cast<std::size_t>(target), extend);
}

void MessageSelection::SelectAll() {
  if (count_ == 0) return;
  any_ = true;
  first_ = anchor_ = 0;
  last_ = count_ - 1;
}

std::string SelectedText(const LineBlock& messages, const MessageSelection& selection) {
  std::string text;
  if (!selection.any()) return text;
  for (std::size_t i = selection.first(); i <= selection.last() && i < messages.size(); ++i)
    text.append(messages[i]).append("\r\n");
  return text;
}

}  // namespace markwash
