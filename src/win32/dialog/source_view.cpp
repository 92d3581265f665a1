#include "win32/dialog/source_view.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/dialog/wrapped_rows.h"
#include "win32/common/module.h"
#include "win32/common/unique_handle.h"

namespace markwash::win32 {
namespace {

constexpr int kGutterPadding = 4;
constexpr int kSidewaysStep = 8;  // columns per Left or Right key

}  // namespace

void TSourceView::RegisterClass() {
  WNDCLASSEXW wc{};
  wc.lpfnWndProc = ViewWindowProc<TSourceView>;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kSourceViewClass;
  RegisterLibraryClass(wc);
}

TSourceView* TSourceView::Of(HWND window) { return ViewOf<TSourceView>(window, kSourceViewClass); }

const LineBlock& TSourceView::Lines() const {
  static const LineBlock kNone;
  return lines_ ? *lines_ : kNone;
}

void TSourceView::Attach(const LineBlock* lines) {
  lines_ = lines;
  mark_.reset();
  left_ = 0;
  ScrollTo(0);
}

std::size_t TSourceView::PageLines() const {
  RECT client;
  ::GetClientRect(window_, &client);
  return static_cast<std::size_t>(std::max(1, static_cast<int>(client.bottom) / cell_.height));
}

int TSourceView::GutterWidth() const {
  const int digits = static_cast<int>(std::to_string(std::max<std::size_t>(Lines().size(), 1)).size());
  return digits * cell_.width + 2 * kGutterPadding;
}

int TSourceView::TextColumns() const {
  RECT client;
  ::GetClientRect(window_, &client);
  return std::max(1, (static_cast<int>(client.right) - GutterWidth() - kGutterPadding) / cell_.width);
}

void TSourceView::ScrollTo(std::size_t top) {
  top_ = ClampTop(top, PageLines(), Lines().size());
  SetVerticalScroll(window_, top_, PageLines(), Lines().size());
  ::InvalidateRect(window_, nullptr, FALSE);
}

void TSourceView::ScrollSideways(int left) {
  left_ = std::max(0, left);
  ::InvalidateRect(window_, nullptr, FALSE);
}

void TSourceView::ShowPosition(const SourcePosition& position) {
  if (position.line == 0) return;
  mark_ = position;
  const std::size_t line = position.line - 1;
  const std::size_t half = PageLines() / 2;
  ScrollTo(line > half ? line - half : 0);
  if (position.column == 0) return;
  // The marked column in sight, in the middle when it was not.
  const int columns = TextColumns();
  const int column = static_cast<int>(std::min<std::size_t>(position.column - 1, INT32_MAX / 2));
  if (column < left_ || column >= left_ + columns) ScrollSideways(column - columns / 2);
}

void TSourceView::DrawLine(HDC dc, std::size_t line, int y, int gutter, const RECT& client) const {
  const bool marked = mark_ && mark_->line == line + 1;
  if (marked) {
    RECT row{gutter, y, client.right, y + cell_.height};
    ::FillRect(dc, &row, ::GetSysColorBrush(COLOR_INFOBK));
  }
  const std::string number = std::to_string(line + 1);
  ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
  DrawAnsiText(dc, gutter - kGutterPadding - static_cast<int>(number.size()) * cell_.width, y, number);
  const std::string text = ExpandTabs(Lines()[line], static_cast<std::size_t>(left_ + TextColumns()) + 1);
  const int x = gutter + kGutterPadding;
  ::SetTextColor(dc, ::GetSysColor(marked ? COLOR_INFOTEXT : COLOR_WINDOWTEXT));
  if (static_cast<std::size_t>(left_) < text.size())
    DrawAnsiText(dc, x, y, std::string_view(text).substr(static_cast<std::size_t>(left_),
                                                         static_cast<std::size_t>(TextColumns()) + 1));
  if (!marked || mark_->column == 0) return;
  // The marked column: one highlighted cell, a blank one past the line's end.
  const long cell = static_cast<long>(mark_->column - 1) - left_;
  if (cell < 0 || cell > TextColumns()) return;
  RECT box{x + static_cast<int>(cell) * cell_.width, y, x + static_cast<int>(cell + 1) * cell_.width, y + cell_.height};
  ::FillRect(dc, &box, ::GetSysColorBrush(COLOR_HIGHLIGHT));
  ::SetTextColor(dc, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
  const std::size_t at = mark_->column - 1;
  if (at < text.size()) DrawAnsiText(dc, box.left, y, std::string_view(text).substr(at, 1));
}

void TSourceView::Draw(HDC dc) const {
  RECT client;
  ::GetClientRect(window_, &client);
  const int gutter = GutterWidth();
  RECT gutterRect{0, 0, gutter, client.bottom}, textRect{gutter, 0, client.right, client.bottom};
  ::FillRect(dc, &gutterRect, ::GetSysColorBrush(COLOR_BTNFACE));
  ::FillRect(dc, &textRect, ::GetSysColorBrush(COLOR_WINDOW));
  ScopedSelect font(dc, font_ ? static_cast<HGDIOBJ>(font_) : ::GetStockObject(SYSTEM_FIXED_FONT));
  ::SetBkMode(dc, TRANSPARENT);
  // The line partly in sight at the bottom too.
  for (std::size_t i = 0; i <= PageLines() && top_ + i < Lines().size(); ++i)
    DrawLine(dc, top_ + i, static_cast<int>(i) * cell_.height, gutter, client);
  if (::GetFocus() == window_) {
    RECT focus = textRect;
    ::DrawFocusRect(dc, &focus);
  }
}

bool TSourceView::KeyDown(WPARAM key) {
  const std::size_t page = PageLines();
  const std::size_t step = page > 1 ? page - 1 : 1;
  switch (key) {
    case VK_UP: ScrollTo(top_ > 0 ? top_ - 1 : 0); return true;
    case VK_DOWN: ScrollTo(top_ + 1); return true;
    case VK_PRIOR: ScrollTo(top_ > step ? top_ - step : 0); return true;
    case VK_NEXT: ScrollTo(top_ + step); return true;
    case VK_HOME: ScrollTo(0); ScrollSideways(0); return true;
    case VK_END: ScrollTo(SIZE_MAX); return true;
    case VK_LEFT: ScrollSideways(left_ - kSidewaysStep); return true;
    case VK_RIGHT: ScrollSideways(left_ + kSidewaysStep); return true;
    case VK_ESCAPE: {
      HWND parent = ::GetParent(window_);
      ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(window_), kSourceLeft),
                     reinterpret_cast<LPARAM>(window_));
      return true;
    }
    default:
      return false;
  }
}

LRESULT TSourceView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto painted = PaintMessage(window_, message, wParam, [this](HDC dc) { Draw(dc); })) return *painted;
  switch (message) {
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      cell_ = MeasureCell(window_, font_);
      ScrollTo(top_);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SIZE:
      ScrollTo(top_);
      return 0;
    case WM_VSCROLL:
      if (const auto target = VerticalScrollTarget(window_, wParam, top_, PageLines())) ScrollTo(*target);
      return 0;
    case WM_MOUSEWHEEL:
      ScrollTo(WheelTarget(GET_WHEEL_DELTA_WPARAM(wParam), top_));
      return 0;
    case WM_GETDLGCODE: {
      // Esc goes back to the messages instead of to the dialog.
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      const bool escape = msg && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE;
      return DLGC_WANTARROWS | (escape ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
      if (KeyDown(wParam)) return 0;
      break;
    case WM_LBUTTONDOWN:
      ::SetFocus(window_);
      return 0;
    case kSourceViewGetMark: {
      auto* position = reinterpret_cast<SourcePosition*>(lParam);
      if (!position || !mark_) return FALSE;
      *position = *mark_;
      return TRUE;
    }
    default:
      break;
  }
  return ::DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace markwash::win32
