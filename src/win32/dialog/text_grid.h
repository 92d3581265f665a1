// What the two fixed-pitch views of the messages page share: the cell of
// their font, a vertical scroll bar over rows of which only a page is shown,
// and drawing a row of 8-bit text.
#pragma once
#include <windows.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "win32/common/window_guard.h"

namespace markwash::win32 {

struct TextCell {
  int width = 8;
  int height = 13;
};

TextCell MeasureCell(HWND window, HFONT font);

// The scroll bar over `count` rows with `page` of them shown from `top`.
void SetVerticalScroll(HWND window, std::size_t top, std::size_t page, std::size_t count);
// The first row a WM_VSCROLL asks for; none when it asks for nothing.
std::optional<std::size_t> VerticalScrollTarget(HWND window, WPARAM request, std::size_t top, std::size_t page);
// The first row after scrolling by the wheel's `delta` (WM_MOUSEWHEEL).
std::size_t WheelTarget(short delta, std::size_t top);
// The first row that shows as much as a page can, at most `wanted`.
inline std::size_t ClampTop(std::size_t wanted, std::size_t page, std::size_t count) {
  const std::size_t last = count > page ? count - page : 0;
  return wanted < last ? wanted : last;
}

// The painting both views share: the client area through `draw` (also into
// the device context of WM_PRINTCLIENT), no separate erase, and a repaint
// when the focus comes or goes. None for any other message.
std::optional<LRESULT> PaintMessage(HWND window, UINT message, WPARAM wParam, const std::function<void(HDC)>& draw);

// The text (ANSI code page, tabs already expanded) in the font selected into
// the device context, from its top-left corner.
void DrawAnsiText(HDC dc, int x, int y, std::string_view text);
// A row of such text from `x` on, its rectangle filled with the background
// colour of the device context in the same call; `wide` is the caller's
// buffer, kept from row to row.
void FillAnsiRow(HDC dc, const RECT& row, int x, std::string_view text, std::wstring& wide);

// The window procedure of a view class: the view is made at WM_NCCREATE,
// deleted at WM_NCDESTROY, and handles every message in between behind the
// guard. View(HWND) and View::Handle may be private to a befriended proc.
template <typename View>
LRESULT CALLBACK ViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto view = std::unique_ptr<View>(new (std::nothrow) View(window));
    if (!view) return FALSE;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view.release()));
  }
  auto* view = reinterpret_cast<View*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!view) return ::DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    delete view;
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  return Guarded([&] { return view->Handle(message, wParam, lParam); },
                 [&] { return ::DefWindowProcW(window, message, wParam, lParam); });
}

// The view behind a window of the class; nullptr for any other window.
template <typename View>
View* ViewOf(HWND window, std::wstring_view className) {
  wchar_t name[64] = L"";
  ::GetClassNameW(window, name, 64);
  return className == name ? reinterpret_cast<View*>(::GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
}

}  // namespace markwash::win32
