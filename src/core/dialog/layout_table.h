// The dialog's structure as data: every window with its kind, parent,
// docking, rectangle (pixels at 96 dpi) and caption, in layout_rows.inc. The
// Win32 shell creates the windows from this table and one docking engine keeps
// them arranged; code names a window by its ControlId, made from the same rows,
// so a misspelt control does not compile.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/common/control_kind.h"
#include "core/dialog/docking.h"

namespace markwash {

// Style details that are not implied by the kind.
enum ControlFlag : std::uint32_t {
  kDisabled = 1u << 0,
  kDefaultButton = 1u << 1,
  kReadOnly = 1u << 2,
  kWordWrap = 1u << 3,      // memo wraps long lines at its width
  kWantReturn = 1u << 4,    // Enter starts a new line instead of pressing the default button
  kFixedFont = 1u << 5,     // "Courier New" 8 pt
  kPageBackground = 1u << 6,
  kBold = 1u << 7,
  kCentered = 1u << 8,      // text centred horizontally
  kVCentered = 1u << 9,     // text centred vertically
  kHandCursor = 1u << 10,
  kPathEllipsis = 1u << 11,
  kChecked = 1u << 12,
  kTooltipColors = 1u << 13,
  kLinkFont = 1u << 14,     // navy, underlined
  kTitleFont = 1u << 15,    // 19 px bold
  kLoweredBevel = 1u << 16,
  kEndEllipsis = 1u << 17,
  kSingleLine = 1u << 18,   // a label that never wraps its text
  kAccelUnbound = 1u << 19, // a label whose "&" letter leads to no control
};

// Every window of the dialog, in the order of the rows.
enum class ControlId : int {
#define ROW(name, ...) name,
#include "core/dialog/layout_rows.inc"
#undef ROW
};

inline constexpr std::size_t kControlCount = 0
#define ROW(...) +1
#include "core/dialog/layout_rows.inc"
#undef ROW
    ;

struct ControlSpec {
  ControlId id;
  std::string_view name;
  ControlKind kind;
  std::string_view parent;  // "MarkwashForm" for the window's own children
  Dock dock;
  Rect rect;
  std::string_view caption;  // UTF-8, "&" marks the accelerator letter
  std::uint32_t flags = 0;
  std::string_view buddy = {};  // up-down: its edit; splitter: the group it resizes
  int minSize = 0;              // splitter: the smallest width of its group
};

inline constexpr std::string_view kFormName = "MarkwashForm";
inline constexpr std::string_view kFormCaption = "Markwash Plugin";
inline constexpr int kFormWidth = 593;
inline constexpr int kFormHeight = 470;

// The rows in creation order (see layout_rows.inc).
const std::vector<ControlSpec>& DialogLayout();
const ControlSpec& LayoutRow(ControlId id);
const ControlSpec* FindControlSpec(std::string_view name);

// Pages: a tab sheet's index among the sheets of its page control, and the
// sheet at an index (nullptr when there is none).
int PageIndexOf(ControlId sheet);
const ControlSpec* SheetAt(std::string_view pageControl, int index);

}  // namespace markwash
