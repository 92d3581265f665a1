// How the dialog's windows meet the option catalogue: the layout places a
// control, the catalogue row of the same name gives its caption, hint, items
// and built state. This is the only way the windows take their option texts,
// so the catalogue stays the one table of them.
#pragma once
#include <string_view>

#include "core/dialog/layout_table.h"
#include "core/options/catalogue.h"

namespace markwash {

// A control's face is its catalogue row.
using OptionFace = OptionEntry;

// nullptr when the catalogue has no control of that name or id.
const OptionFace* FindOptionFace(std::string_view name);
const OptionFace* FindOptionFace(ControlId id);

// The window of a catalogue control.
ControlId ControlOf(OptionControl control);

}  // namespace markwash
