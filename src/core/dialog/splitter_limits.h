// How far a splitter may resize its side group of the options page.
#pragma once

namespace markwash {

struct SplitterLimits {
  int min_size = 0;
  int max_size = 0;
};

// The smallest width is the splitter's minimum; the largest leaves that same
// minimum to the middle group: page client width - minimum - widths of all
// left- and right-docked controls (the resized group, the other group and
// both splitters) + the resized group's current width.
SplitterLimits ComputeSplitterLimits(int min_size, int page_client_width, int docked_widths,
                                     int resized_width);

// The requested width held between the limits; when the page is too narrow
// for both, the minimum wins so the group never collapses.
int ClampSplitterWidth(int requested, const SplitterLimits& limits);

}  // namespace markwash
