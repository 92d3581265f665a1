// The printer font's measurements, taken from the font selected into a
// device context, for the platform-neutral pagination.
#pragma once
#include <windows.h>

#include "core/dialog/print_layout.h"

namespace markwash::win32 {

class GdiTextMeasurer : public TextMeasurer {
 public:
  // `dc` must hold the font to measure for the measurer's whole life.
  explicit GdiTextMeasurer(HDC dc);
  TextExtent Extent(std::string_view text) const override;
  int TextHeight() const override { return metrics_.tmHeight; }
  int AverageCharWidth() const override { return metrics_.tmAveCharWidth; }

 private:
  HDC dc_;
  TEXTMETRICA metrics_{};
};

}  // namespace markwash::win32
