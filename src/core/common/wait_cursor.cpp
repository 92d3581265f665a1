#include "core/common/wait_cursor.h"

namespace markwash {

void WaitCursor::Begin() {
  if (depth_++ == 0) screen_.SaveAndShowBusy();
}

void WaitCursor::End() {
  if (depth_ == 0) return;
  if (--depth_ == 0) screen_.RestoreSaved();
}

}  // namespace markwash
