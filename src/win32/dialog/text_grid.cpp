#include "win32/dialog/text_grid.h"

#include <cstdint>
#include <utility>

#include "win32/common/text_encoding.h"
#include "win32/common/unique_handle.h"

namespace markwash::win32 {

TextCell MeasureCell(HWND window, HFONT font) {
  HDC dc = ::GetDC(window);
  TEXTMETRICW metrics{};
  {
    ScopedSelect select(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(SYSTEM_FIXED_FONT));
    ::GetTextMetricsW(dc, &metrics);
  }
  ::ReleaseDC(window, dc);
  return {metrics.tmAveCharWidth > 0 ? metrics.tmAveCharWidth : 8, metrics.tmHeight > 0 ? metrics.tmHeight : 13};
}

namespace {

// Where the bar's thumb is drawn, in pixels from the bar's top; 0 and 0 for a
// window without the bar.
std::pair<LONG, LONG> VerticalThumb(HWND window) {
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  if (!::GetScrollBarInfo(window, OBJID_VSCROLL, &bar)) return {0, 0};
  return {bar.xyThumbTop, bar.xyThumbBottom};
}

}  // namespace

void SetVerticalScroll(HWND window, std::size_t top, std::size_t page, std::size_t count) {
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
  info.nMax = count > 0 ? static_cast<int>(count - 1) : 0;
  info.nPage = static_cast<UINT>(page);
  info.nPos = static_cast<int>(top);
  SCROLLINFO before{sizeof before, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  const bool sameRange = ::GetScrollInfo(window, SB_VERT, &before) && before.nMin == info.nMin &&
                         before.nMax == info.nMax && before.nPage == info.nPage;
  if (!sameRange) {
    ::SetScrollInfo(window, SB_VERT, &info, TRUE);
    return;
  }
  // Drawing the bar in a visual style costs a blit per part (under Wine each
  // blit asks the server for the display settings), and over a long text
  // most steps move the thumb by less than a pixel: the bar is drawn again
  // only when its thumb moved.
  const auto thumb = VerticalThumb(window);
  ::SetScrollInfo(window, SB_VERT, &info, FALSE);
  if (VerticalThumb(window) != thumb) ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

std::optional<std::size_t> VerticalScrollTarget(HWND window, WPARAM request, std::size_t top, std::size_t page) {
  const std::size_t step = page > 1 ? page - 1 : 1;
  switch (LOWORD(request)) {
    case SB_LINEUP: return top > 0 ? top - 1 : 0;
    case SB_LINEDOWN: return top + 1;
    case SB_PAGEUP: return top > step ? top - step : 0;
    case SB_PAGEDOWN: return top + step;
    case SB_TOP: return 0;
    case SB_BOTTOM: return SIZE_MAX;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The 32-bit position: the message itself carries only 16 bits of it.
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      ::GetScrollInfo(window, SB_VERT, &info);
      return static_cast<std::size_t>(info.nTrackPos < 0 ? 0 : info.nTrackPos);
    }
    default: return std::nullopt;
  }
}

std::size_t WheelTarget(short delta, std::size_t top) {
  UINT lines = 3;
  ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  if (lines == 0 || lines == WHEEL_PAGESCROLL) lines = 3;
  const long rows = -static_cast<long>(delta) * static_cast<long>(lines) / WHEEL_DELTA;
  if (rows < 0) return top > static_cast<std::size_t>(-rows) ? top - static_cast<std::size_t>(-rows) : 0;
  return top + static_cast<std::size_t>(rows);
}

void DrawAnsiText(HDC dc, int x, int y, std::string_view text) {
  if (text.empty()) return;
  const std::wstring wide = AnsiToWide(text);
  ::ExtTextOutW(dc, x, y, 0, nullptr, wide.data(), static_cast<UINT>(wide.size()), nullptr);
}

void FillAnsiRow(HDC dc, const RECT& row, int x, std::string_view text, std::wstring& wide) {
  // A byte of the code page never becomes more than one UTF-16 unit.
  wide.resize(text.size());
  const int length = text.empty() ? 0
                                  : ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                          wide.data(), static_cast<int>(wide.size()));
  ::ExtTextOutW(dc, x, row.top, ETO_OPAQUE, &row, wide.data(), static_cast<UINT>(length), nullptr);
}

std::optional<LRESULT> PaintMessage(HWND window, UINT message, WPARAM wParam, const std::function<void(HDC)>& draw) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = ::BeginPaint(window, &paint);
      draw(dc);
      ::EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      draw(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painting fills the background
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      ::InvalidateRect(window, nullptr, FALSE);
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace markwash::win32
