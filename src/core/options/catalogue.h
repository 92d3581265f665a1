// The option catalogue: every control of the page "Optionen" (and the script
// memo) with its caption, hint, items, HTML Tidy key, reading rule, and its
// states as built and in the factory settings. The dialog layout takes its
// texts and built states from here, and the option engine its keys; nothing
// else maps controls to keys. Positions belong to the layout, not here.
#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "core/common/control_kind.h"

namespace markwash {

// Control names as the dialog uses them, in the order of the rows.
enum class OptionControl {
#define OPTION(name, ...) name,
#include "core/options/catalogue_rows.inc"
#undef OPTION
};

// How a configuration value sets a check box.
enum class ReadRule {
  kNone,     // not a check box read from a key of its own
  kY,        // checked only when Tidy reads the value as yes (tidy_values.h)
  kN,        // checked unless Tidy reads the value as no
  kSpecial,  // the engine reads it by a rule of its own
};

// A control's state; which fields matter depends on its kind.
struct ControlState {
  bool checked = false;
  bool enabled = true;
  int item = -1;  // -1: no item selected
  std::string_view text;
  int position = 0;
};

struct OptionEntry {
  OptionControl control;
  std::string_view name;
  ControlKind kind;
  std::string_view group;    // the parent container
  std::string_view caption;  // UTF-8, "&" marks the accelerator
  std::string_view hint;     // UTF-8, CR LF line breaks; empty: no hint
  std::vector<std::string_view> items;   // shown texts of lists and combos
  std::vector<std::string_view> values;  // the value written for each item
  std::string_view key;          // HTML Tidy key, empty when none
  std::string_view comment_key;  // the plug-in's "// ..." key beside it
  ReadRule rule = ReadRule::kNone;
  int min = 0;  // up-down range
  int max = 0;
  ControlState built;
  std::optional<ControlState> factory;
  // Read just before this control instead of in row order.
  std::optional<OptionControl> read_before;
};

// The whole table, in the order of OptionControl.
const std::vector<OptionEntry>& Catalogue();
const OptionEntry& Entry(OptionControl control);

// The controls in the order the reader sets them: the row order, with each
// control that is read before another moved to just before that one.
const std::vector<OptionControl>& ReadingOrder();

// The text of the path label while no Tidy.exe is known.
inline constexpr std::string_view kTidyNotFoundText = "Tidy.exe nicht gefunden!";

}  // namespace markwash
