#include "win32/dialog/link_label.h"

#include <memory>
#include <string>

#include "win32/common/module.h"
#include "win32/common/text_encoding.h"
#include "win32/common/window_guard.h"
#include "win32/common/window_text.h"

namespace markwash::win32 {

void TLinkLabel::RegisterClass() {
  WNDCLASSEXW wc{};
  // With double clicks announced, the second press of a double click is no
  // new press, so a double click opens a link once, as a single click does.
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = WindowProc;
  wc.hCursor = nullptr;  // the label sets its own
  wc.lpszClassName = kLinkLabelClass;
  RegisterLibraryClass(wc);
}

TLinkLabel* TLinkLabel::Of(HWND window) {
  wchar_t name[32] = L"";
  ::GetClassNameW(window, name, 32);
  if (std::wstring_view(name) != kLinkLabelClass) return nullptr;
  return reinterpret_cast<TLinkLabel*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

void TLinkLabel::SetStyle(const LinkLabelStyle& style) {
  style_ = style;
  Repaint();
}

void TLinkLabel::SetColors(COLORREF text, COLORREF background, bool transparent) {
  textColor_ = text;
  background_ = background;
  transparent_ = transparent;
  Repaint();
}

void TLinkLabel::SetHoverFont(HFONT font, bool underlined) {
  LOGFONTW attributes{};
  if (!::GetObjectW(font, sizeof attributes, &attributes)) return;
  if (underlined) attributes.lfUnderline = TRUE;
  hoverFont_.reset(::CreateFontIndirectW(&attributes));
  if (HoverFontInEffect()) Repaint();
}

void TLinkLabel::SetHoverFontUsed(bool used) {
  if (used != HoverFontInEffect()) Repaint();
  hoverFontUsed_ = used;
}

LRESULT CALLBACK TLinkLabel::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto label = std::unique_ptr<TLinkLabel>(new (std::nothrow) TLinkLabel(window));
    if (!label) return FALSE;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(label.release()));
  }
  auto* label = reinterpret_cast<TLinkLabel*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!label) return ::DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    delete label;
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  return Guarded([&] { return label->Handle(message, wParam, lParam); },
                 [&] { return ::DefWindowProcW(window, message, wParam, lParam); });
}

LRESULT TLinkLabel::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_PRINTCLIENT: {
      RECT client;
      ::GetClientRect(window_, &client);
      Draw(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // painting fills the background
    case WM_SETFONT: {
      font_ = reinterpret_cast<HFONT>(wParam);
      if (!hoverFont_) SetHoverFont(font_);  // a copy of the label's font to begin with
      if (LOWORD(lParam)) Repaint();
      return 0;
    }
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: {
      const LRESULT result = ::DefWindowProcW(window_, message, wParam, lParam);
      Repaint();
      return result;
    }
    case WM_ENABLE:
      Repaint();
      return 0;
    case WM_GETDLGCODE:
      return DLGC_STATIC;  // an "&" letter moves the focus on as a label's does
    case WM_SETCURSOR:
      ::SetCursor(cursor_);
      return TRUE;
    case WM_MOUSEMOVE:
      OnMouseMove();
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      ::SetCapture(window_);
      return 0;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressed_;
      pressed_ = false;
      if (::GetCapture() == window_) ::ReleaseCapture();
      RECT client;
      ::GetClientRect(window_, &client);
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (wasPressed && ::PtInRect(&client, at)) Click();
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
    case BM_CLICK:
      Click();
      return 0;
    default:
      return ::DefWindowProcW(window_, message, wParam, lParam);
  }
}

void TLinkLabel::Paint() {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(window_, &ps);
  Draw(dc, ps.rcPaint);
  ::EndPaint(window_, &ps);
}

void TLinkLabel::Draw(HDC dc, const RECT& area) {
  RECT client;
  ::GetClientRect(window_, &client);
  if (!transparent_) {
    UniqueBrush brush(::CreateSolidBrush(background_));
    ::FillRect(dc, &area, brush.get());
  }
  HFONT font = HoverFontInEffect() && hoverFont_ ? hoverFont_.get() : font_;
  ScopedSelect selected(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::IsWindowEnabled(window_) ? textColor_ : ::GetSysColor(COLOR_GRAYTEXT));
  // The label's text is UTF-16; the system's ANSI drawing shows it in the
  // code page of the dialog's texts.
  std::string text = WideToAnsi(WindowText(window_));
  // Measured on the whole label, not on the part being repainted, so that a
  // partial repaint wraps and places the text exactly as a full one.
  RECT measured = client;
  const int height = ::DrawTextExA(dc, text.data(), static_cast<int>(text.size()), &measured,
                                   GetMeasureTextFlags(style_), nullptr);
  const TextRect r = GetTextRect(style_, client.right, client.bottom, measured.right - measured.left, height);
  RECT target{r.left, r.top, r.right, r.bottom};
  ::DrawTextExA(dc, text.data(), static_cast<int>(text.size()), &target, GetDrawTextFlags(style_), nullptr);
}

void TLinkLabel::OnMouseMove() {
  if (mouseInside_) return;
  mouseInside_ = true;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
  ::TrackMouseEvent(&track);
  if (hoverFontUsed_) Repaint();
}

void TLinkLabel::OnMouseLeave() {
  mouseInside_ = false;
  if (hoverFontUsed_) Repaint();
}

void TLinkLabel::Click() {
  const int id = ::GetDlgCtrlID(window_);
  ::SendMessageW(::GetParent(window_), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(window_));
}

}  // namespace markwash::win32
