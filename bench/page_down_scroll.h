// Scrolling a view from its top to its end by PgDn, one key at a time, with
// the time each key takes until the view has drawn its new rows.
#pragma once

#include <windows.h>

namespace bench {

struct PageDownFigures {
  bool viewFound = false;
  bool focused = false;      // the view had the keyboard focus, as after a user's click
  int keys = 0;
  double slowestMs = 0;
  double meanMs = 0;
  double p99Ms = 0;          // 99 % of the keys took at most this long
  double p999Ms = 0;         // and 99.9 % at most this
  int keysOver20Ms = 0;
  bool reachedEnd = false;   // false: stopped by the bound, or the view stopped moving early
  double shownPercent = 0;   // how much of the scroll range the view had passed when it stopped
};

// Sends PgDn to `view` (a window of another thread of this process) until its
// vertical scroll position stops changing, at most `maxKeys` keys or
// `maxSeconds` in all. Each key is timed from WM_KEYDOWN through WM_KEYUP to
// the end of the repaint it caused: a key is handled when the user sees the
// next page.
PageDownFigures ScrollByPageDown(HWND view, int maxKeys, double maxSeconds);

}  // namespace bench
