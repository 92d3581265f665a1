#include "win32/dialog/message_view.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "win32/common/module.h"
#include "win32/common/text_encoding.h"
#include "win32/common/unique_handle.h"

namespace markwash::win32 {
namespace {

constexpr int kMargin = 2;  // as far from the frame as the memo's text was
enum MenuCommand : UINT { kCopyCommand = 1, kSelectAllCommand = 2 };

bool KeyHeld(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

// The clipboard, open for one scope.
class OpenClipboard {
 public:
  explicit OpenClipboard(HWND owner) : open_(::OpenClipboard(owner) != FALSE) {}
  ~OpenClipboard() {
    if (open_) ::CloseClipboard();
  }
  OpenClipboard(const OpenClipboard&) = delete;
  OpenClipboard& operator=(const OpenClipboard&) = delete;
  bool open() const { return open_; }

 private:
  bool open_;
};

// Hands a copy of the bytes to the clipboard, which owns the block once it took it.
void PutOnClipboard(UINT format, const void* data, std::size_t bytes) {
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!block) return;
  if (void* target = ::GlobalLock(block)) {
    std::memcpy(target, data, bytes);
    ::GlobalUnlock(block);
    if (::SetClipboardData(format, block)) return;
  }
  ::GlobalFree(block);
}

struct MenuTraits {
  using Handle = HMENU;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DestroyMenu(h); }
};

}  // namespace

void TMessageView::RegisterClass() {
  WNDCLASSEXW wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = ViewWindowProc<TMessageView>;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kMessageViewClass;
  RegisterLibraryClass(wc);
}

TMessageView* TMessageView::Of(HWND window) { return ViewOf<TMessageView>(window, kMessageViewClass); }

const LineBlock& TMessageView::Lines() const {
  static const LineBlock kNone;
  return lines_ ? *lines_ : kNone;
}

void TMessageView::Attach(LineBlock* lines) {
  lines_ = lines;
  LinesChanged();
}

void TMessageView::LinesChanged() {
  selection_.Reset(Lines().size());
  top_ = 0;
  Reindex();
  Notify(kMessageCurrentChanged);
}

std::optional<SourcePosition> TMessageView::CurrentPosition() const {
  const auto current = selection_.current();
  if (!current || *current >= Lines().size()) return std::nullopt;
  return ParseMessagePosition(Lines()[*current]);
}

int TMessageView::Columns() const {
  RECT client;
  ::GetClientRect(window_, &client);
  return std::max(1, static_cast<int>(client.right - 2 * kMargin) / cell_.width);
}

std::size_t TMessageView::PageRows() const {
  RECT client;
  ::GetClientRect(window_, &client);
  return static_cast<std::size_t>(std::max(1, static_cast<int>(client.bottom) / cell_.height));
}

void TMessageView::Reindex() {
  // The line at the top stays at the top when the width changes.
  const std::size_t topLine = top_ < index_.RowCount() ? index_.PlaceOf(top_).line : 0;
  index_.Build(Lines(), Columns());
  ScrollTo(topLine < index_.LineCount() ? index_.FirstRowOf(topLine) : 0);
}

void TMessageView::ScrollTo(std::size_t top) {
  top_ = ClampTop(top, PageRows(), index_.RowCount());
  SetVerticalScroll(window_, top_, PageRows(), index_.RowCount());
  ::InvalidateRect(window_, nullptr, FALSE);
}

void TMessageView::Draw(HDC dc) const {
  RECT client, dirty;
  ::GetClientRect(window_, &client);
  if (::GetClipBox(dc, &dirty) == ERROR) dirty = client;
  ScopedSelect font(dc, font_ ? static_cast<HGDIOBJ>(font_) : ::GetStockObject(SYSTEM_FIXED_FONT));
  ::SetBkMode(dc, TRANSPARENT);
  const LineBlock& lines = Lines();
  const int height = cell_.height;
  // Only the rows the paint asks for, the one partly in sight at the bottom
  // too; each in one call that fills its background, the page's as the
  // memo had, or the selection's.
  const std::size_t first = static_cast<std::size_t>(std::max(0L, dirty.top / height));
  const std::size_t last = std::min(PageRows(), static_cast<std::size_t>(std::max(0L, (dirty.bottom - 1) / height)));
  std::size_t startsOf = SIZE_MAX;  // the line whose row starts are at hand
  std::vector<std::size_t> starts;
  std::wstring wide;
  std::size_t i = first;
  for (; i <= last && top_ + i < index_.RowCount(); ++i) {
    const WrapIndex::Place place = index_.PlaceOf(top_ + i);
    const std::string_view line = lines[place.line];
    if (place.line != startsOf) {
      RowStarts(line, index_.width(), starts);
      startsOf = place.line;
    }
    const std::size_t begin = starts[place.rowInLine];
    const std::size_t end = place.rowInLine + 1 < starts.size() ? starts[place.rowInLine + 1] : line.size();
    const std::string_view text = line.substr(begin, end - begin);
    const bool selected = selection_.IsSelected(place.line);
    ::SetBkColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
    ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const int y = static_cast<int>(i) * height;
    const RECT row{0, y, client.right, y + height};
    if (text.find('\t') == std::string_view::npos)
      FillAnsiRow(dc, row, kMargin, text, wide);
    else
      FillAnsiRow(dc, row, kMargin, ExpandTabs(text), wide);
  }
  // Below the last line.
  const RECT rest{0, static_cast<int>(i) * height, client.right, client.bottom};
  if (rest.top < rest.bottom) ::FillRect(dc, &rest, ::GetSysColorBrush(COLOR_BTNFACE));
  // The current message's rows in sight, framed while the view has the focus.
  const auto current = selection_.current();
  if (!current || *current >= index_.LineCount() || ::GetFocus() != window_) return;
  const std::size_t from = std::max(index_.FirstRowOf(*current), top_);
  const std::size_t to = std::min(index_.FirstRowOf(*current) + index_.RowsOf(*current), top_ + PageRows() + 1);
  if (from >= to) return;
  const RECT frame{0, static_cast<int>(from - top_) * height, client.right, static_cast<int>(to - top_) * height};
  ::DrawFocusRect(dc, &frame);
}

void TMessageView::KeepCurrentInSight() {
  const auto current = selection_.current();
  if (!current) return;
  const std::size_t first = index_.FirstRowOf(*current);
  const std::size_t last = first + index_.RowsOf(*current) - 1;
  const std::size_t page = PageRows();
  if (first < top_)
    ScrollTo(first);
  else if (last >= top_ + page)
    ScrollTo(std::min(first, last + 1 - page));
}

void TMessageView::SelectionChanged(bool notify) {
  KeepCurrentInSight();
  ::InvalidateRect(window_, nullptr, FALSE);
  if (notify) Notify(kMessageCurrentChanged);
}

void TMessageView::Notify(WORD code) const {
  HWND parent = ::GetParent(window_);
  if (parent)
    ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(window_), code), reinterpret_cast<LPARAM>(window_));
}

void TMessageView::Click(LPARAM point, bool extend) {
  const int y = GET_Y_LPARAM(point);
  if (y < 0) return;
  const std::size_t row = top_ + static_cast<std::size_t>(y / cell_.height);
  if (row >= index_.RowCount()) return;
  const std::size_t message = index_.PlaceOf(row).line;
  const bool moved = selection_.current() != message;
  selection_.Select(message, extend);
  SelectionChanged(moved);
}

bool TMessageView::KeyDown(WPARAM key) {
  // Asked only by the keys that use them: under Wine each question is a
  // round trip to the server, and a scrolling key needs neither.
  const auto control = [] { return KeyHeld(VK_CONTROL); };
  const auto shift = [] { return KeyHeld(VK_SHIFT); };
  const std::size_t page = PageRows();
  const std::size_t step = page > 1 ? page - 1 : 1;  // a page keeps one row of the last in sight
  switch (key) {
    case VK_UP:
    case VK_DOWN:
      selection_.Move(key == VK_UP ? -1 : 1, shift());
      SelectionChanged(true);
      return true;
    case VK_PRIOR:
      ScrollTo(top_ > step ? top_ - step : 0);
      return true;
    case VK_NEXT:
      ScrollTo(top_ + step);
      return true;
    case VK_HOME:
      ScrollTo(0);
      return true;
    case VK_END:
      ScrollTo(SIZE_MAX);
      return true;
    case VK_RETURN:
      if (CurrentPosition()) Notify(kMessageOpened);
      return true;
    case 'A':
      if (!control()) return false;
      selection_.SelectAll();
      SelectionChanged(false);
      return true;
    case 'C':
    case VK_INSERT:
      if (!control()) return false;
      Copy();
      return true;
    default:
      return false;
  }
}

void TMessageView::Copy() const {
  const std::string text = SelectedText(Lines(), selection_);
  if (text.empty()) return;
  OpenClipboard clipboard(window_);
  if (!clipboard.open()) return;
  ::EmptyClipboard();
  // The bytes as Tidy wrote them, and the same text for programs that read UTF-16.
  PutOnClipboard(CF_TEXT, text.c_str(), text.size() + 1);
  const std::wstring wide = AnsiToWide(text);
  PutOnClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

void TMessageView::ShowContextMenu(LPARAM screenPoint) {
  POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
  if (screenPoint == -1) {  // from the keyboard: at the view's top-left corner
    at = {0, 0};
    ::ClientToScreen(window_, &at);
  }
  UniqueHandle<MenuTraits> menu(::CreatePopupMenu());
  if (!menu) return;
  ::AppendMenuW(menu.get(), MF_STRING | (selection_.any() ? 0u : MF_GRAYED), kCopyCommand, L"Kopieren");
  ::AppendMenuW(menu.get(), MF_STRING | (Lines().empty() ? MF_GRAYED : 0u), kSelectAllCommand, L"Alles markieren");
  const UINT chosen = static_cast<UINT>(
      ::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr));
  if (chosen == kCopyCommand) Copy();
  if (chosen == kSelectAllCommand) {
    selection_.SelectAll();
    SelectionChanged(false);
  }
}

LRESULT TMessageView::TextLength() const {
  std::size_t length = 0;
  for (std::string_view line : Lines()) {
    if (!line.empty())
      length += static_cast<std::size_t>(
          ::MultiByteToWideChar(CP_ACP, 0, line.data(), static_cast<int>(line.size()), nullptr, 0));
    length += 2;
  }
  return static_cast<LRESULT>(length);
}

LRESULT TMessageView::GetText(WPARAM capacity, wchar_t* buffer) const {
  if (!buffer || capacity == 0) return 0;
  std::size_t at = 0;
  const std::size_t room = capacity - 1;  // and the closing NUL
  for (std::string_view line : Lines()) {
    if (at >= room) break;
    const std::wstring wide = AnsiToWide(line) + L"\r\n";
    const std::size_t taken = std::min(wide.size(), room - at);
    std::wmemcpy(buffer + at, wide.data(), taken);
    at += taken;
  }
  buffer[at] = L'\0';
  return static_cast<LRESULT>(at);
}

LRESULT TMessageView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto painted = PaintMessage(window_, message, wParam, [this](HDC dc) { Draw(dc); })) return *painted;
  switch (message) {
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      cell_ = MeasureCell(window_, font_);
      Reindex();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SIZE:
      if (Columns() != index_.width()) Reindex();
      else ScrollTo(top_);
      return 0;
    case WM_VSCROLL:
      if (const auto target = VerticalScrollTarget(window_, wParam, top_, PageRows())) ScrollTo(*target);
      return 0;
    case WM_MOUSEWHEEL:
      ScrollTo(WheelTarget(GET_WHEEL_DELTA_WPARAM(wParam), top_));
      return 0;
    case WM_GETDLGCODE: {
      LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
      // Enter opens a message that names a place; elsewhere it presses the default button.
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && CurrentPosition()) code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_KEYDOWN:
      if (KeyDown(wParam)) return 0;
      break;
    case WM_CHAR:
      return 0;  // read-only: typing changes nothing and presses no button
    case WM_LBUTTONDOWN:
      ::SetFocus(window_);
      ::SetCapture(window_);
      Click(lParam, (wParam & MK_SHIFT) != 0);
      return 0;
    case WM_MOUSEMOVE:
      if ((wParam & MK_LBUTTON) && ::GetCapture() == window_) Click(lParam, true);
      return 0;
    case WM_LBUTTONUP:
      if (::GetCapture() == window_) ::ReleaseCapture();
      return 0;
    case WM_LBUTTONDBLCLK:
      Click(lParam, false);
      if (CurrentPosition()) Notify(kMessageOpened);
      return 0;
    case WM_RBUTTONDOWN: {
      ::SetFocus(window_);
      const std::size_t row = top_ + static_cast<std::size_t>(std::max(0, GET_Y_LPARAM(lParam)) / cell_.height);
      if (row < index_.RowCount() && !selection_.IsSelected(index_.PlaceOf(row).line)) Click(lParam, false);
      break;  // the button's release asks for the context menu
    }
    case WM_CONTEXTMENU:
      ShowContextMenu(lParam);
      return 0;
    case WM_GETTEXTLENGTH:
      return TextLength();
    case WM_GETTEXT:
      return GetText(wParam, reinterpret_cast<wchar_t*>(lParam));
    case WM_SETTEXT:
      if (!lines_) return FALSE;
      *lines_ = LineBlock(WideToAnsi(lParam ? reinterpret_cast<const wchar_t*>(lParam) : L""));
      LinesChanged();
      return TRUE;
    case kMessageViewMessageRect: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (!rect || wParam >= index_.LineCount()) return FALSE;
      const std::size_t row = index_.FirstRowOf(wParam);
      if (row < top_ || row >= top_ + PageRows()) return FALSE;
      RECT client;
      ::GetClientRect(window_, &client);
      const int y = static_cast<int>(row - top_) * cell_.height;
      *rect = {0, y, client.right, y + cell_.height};
      return TRUE;
    }
    default:
      break;
  }
  return ::DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace markwash::win32
