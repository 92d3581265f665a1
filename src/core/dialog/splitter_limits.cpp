#include "core/dialog/splitter_limits.h"

#include <algorithm>

namespace markwash {

SplitterLimits ComputeSplitterLimits(int min_size, int page_client_width, int docked_widths,
                                     int resized_width) {
  return {min_size, page_client_width - min_size - docked_widths + resized_width};
}

int ClampSplitterWidth(int requested, const SplitterLimits& limits) {
  return std::max(limits.min_size, std::min(requested, limits.max_size));
}

}  // namespace markwash
