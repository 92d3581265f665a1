#include "core/dialog/layout_table.h"

#include "core/dialog/about_page_texts.h"

namespace markwash {
namespace {

constexpr std::uint32_t kCentre = kCentered | kVCentered;
constexpr std::uint32_t kLink = kLinkFont | kHandCursor | kCentre;

std::vector<ControlSpec> BuildLayout() {
  return {
#define ROW(name, kind, parent, dock, ...) {ControlId::name, #name, ControlKind::kind, #parent, Dock::dock, __VA_ARGS__},
#include "core/dialog/layout_rows.inc"
#undef ROW
  };
}

}  // namespace

const std::vector<ControlSpec>& DialogLayout() {
  static const std::vector<ControlSpec> layout = BuildLayout();
  return layout;
}

const ControlSpec& LayoutRow(ControlId id) { return DialogLayout()[static_cast<std::size_t>(id)]; }

const ControlSpec* FindControlSpec(std::string_view name) {
  for (const auto& row : DialogLayout())
    if (row.name == name) return &row;
  return nullptr;
}

int PageIndexOf(ControlId sheet) {
  const ControlSpec& row = LayoutRow(sheet);
  int index = 0;
  for (const ControlSpec& other : DialogLayout()) {
    if (other.id == sheet) return index;
    if (other.parent == row.parent && other.kind == ControlKind::TabSheet) ++index;
  }
  return -1;
}

const ControlSpec* SheetAt(std::string_view pageControl, int index) {
  for (const ControlSpec& row : DialogLayout())
    if (row.parent == pageControl && row.kind == ControlKind::TabSheet && index-- == 0) return &row;
  return nullptr;
}

}  // namespace markwash
