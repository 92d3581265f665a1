// What the option catalogue says about how a control looks when the dialog
// is built: caption, hint, items and built state, found by control name. The
// layout places a control; this is the only way the dialog's windows take
// their option texts, so the catalogue stays the one table of them.
#pragma once
#include <string_view>
#include <vector>

namespace markwash {

struct OptionFace {
  std::string_view group;    // the parent the catalogue names
  std::string_view caption;  // UTF-8, "&" marks the accelerator
  std::string_view hint;     // UTF-8, CR LF line breaks; empty: no hint
  std::vector<std::string_view> items;
  bool checked = false;
  bool enabled = true;
  int item = -1;
  std::string_view text;
  int position = 0;
  int min = 0, max = 0;  // up-down range
};

// nullptr when the catalogue has no control of that name.
const OptionFace* FindOptionFace(std::string_view name);

}  // namespace markwash
