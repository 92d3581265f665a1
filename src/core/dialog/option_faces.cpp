#include "core/dialog/option_faces.h"

#include <array>
#include <cstddef>
#include <vector>

#include "core/common/error.h"

namespace markwash {
namespace {

// The catalogue row of each window, nullptr where there is none.
const std::array<const OptionEntry*, kControlCount>& FacesById() {
  static const auto faces = [] {
    std::array<const OptionEntry*, kControlCount> byId{};
    for (const OptionEntry& entry : Catalogue()) {
      const ControlSpec* row = FindControlSpec(entry.name);
      if (!row || row->kind != entry.kind)
        throw Error("The layout has no window of its kind for the option control " + std::string(entry.name));
      byId[static_cast<std::size_t>(row->id)] = &entry;
    }
    return byId;
  }();
  return faces;
}

}  // namespace

const OptionFace* FindOptionFace(ControlId id) { return FacesById()[static_cast<std::size_t>(id)]; }

const OptionFace* FindOptionFace(std::string_view name) {
  const ControlSpec* row = FindControlSpec(name);
  return row ? FindOptionFace(row->id) : nullptr;
}

ControlId ControlOf(OptionControl control) {
  static const auto ids = [] {
    std::vector<ControlId> byControl;
    for (const OptionEntry& entry : Catalogue()) byControl.push_back(FindControlSpec(entry.name)->id);
    return byControl;
  }();
  return ids[static_cast<std::size_t>(control)];
}

}  // namespace markwash
