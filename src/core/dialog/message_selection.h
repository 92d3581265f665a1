// Which messages are selected on the messages page: one current message (the
// one the keyboard moves and the preview follows) and a range of selected
// messages around an anchor, as list boxes do: a click selects one message
// and sets the anchor, Shift extends the range from the anchor.
#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "core/common/text_lines.h"

namespace markwash {

class MessageSelection {
 public:
  // A new list of `count` messages: none current, none selected.
  void Reset(std::size_t count);
  // Makes a message current (clamped to the list); `extend` keeps the anchor.
  void Select(std::size_t message, bool extend);
  // Moves the current message by `step`; with none current, Down starts at
  // the first message and Up at the last.
  void Move(long step, bool extend);
  // Every message; the current one stays.
  void SelectAll();

  std::optional<std::size_t> current() const { return current_; }
  bool IsSelected(std::size_t message) const { return any_ && message >= first_ && message <= last_; }
  bool any() const { return any_; }
  std::size_t first() const { return first_; }
  std::size_t last() const { return last_; }

 private:
  std::size_t count_ = 0;
  std::optional<std::size_t> current_;
  std::size_t anchor_ = 0;
  bool any_ = false;
  std::size_t first_ = 0, last_ = 0;
};

// The selected messages as the clipboard takes them: CR LF after each.
std::string SelectedText(const LineBlock& messages, const MessageSelection& selection);

}  // namespace markwash
