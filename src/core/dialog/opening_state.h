// How the dialog opens in a stored window state. It is modal and disables
// the host while open, so it never opens minimised: the user would see
// nothing and the editor would not respond. A stored minimised state opens
// as a normal window at the stored normal rectangle.
#pragma once
#include "core/dialog/placement_values.h"

namespace markwash {

WindowState OpeningWindowState(WindowState stored);

}  // namespace markwash
