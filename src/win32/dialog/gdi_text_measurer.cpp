#include "win32/dialog/gdi_text_measurer.h"

#include "win32/common/system_error.h"

namespace markwash::win32 {

GdiTextMeasurer::GdiTextMeasurer(HDC dc) : dc_(dc) {
  if (!::GetTextMetricsA(dc_, &metrics_)) RaiseLastSystemError();
}

TextExtent GdiTextMeasurer::Extent(std::string_view text) const {
  SIZE size{};
  if (!::GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size)) RaiseLastSystemError();
  return {size.cx, size.cy};
}

}  // namespace markwash::win32
