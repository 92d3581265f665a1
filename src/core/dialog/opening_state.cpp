#include "core/dialog/opening_state.h"

namespace markwash {

WindowState OpeningWindowState(WindowState stored) {
  return stored == WindowState::Minimized ? WindowState::Normal : stored;
}

}  // namespace markwash
