// TLinkLabel: a label window for captions and links. It draws its window
// text with the system's text drawing (alignment, vertical layout, word
// wrap, path or end ellipsis), can switch to a hover font while the mouse
// pointer is over it, shows its own cursor, and tells its parent of a click
// as a button would (WM_COMMAND with BN_CLICKED and its id), so the dialog
// dispatches link clicks by control id like button clicks.
#pragma once
#include <windows.h>

#include "core/dialog/link_label_geometry.h"
#include "win32/common/unique_handle.h"

namespace markwash::win32 {

inline constexpr wchar_t kLinkLabelClass[] = L"TLinkLabel";

class TLinkLabel {
 public:
  static void RegisterClass();
  // The label behind a window of the class; nullptr for any other window.
  static TLinkLabel* Of(HWND window);

  void SetStyle(const LinkLabelStyle& style);
  void SetColors(COLORREF text, COLORREF background, bool transparent = false);
  void SetCursor(HCURSOR cursor) { cursor_ = cursor; }
  HFONT Font() const { return font_; }
  // Copies the given font's attributes into the label's own hover font.
  void SetHoverFont(HFONT font, bool underlined = false);
  void SetHoverFontUsed(bool used);
  bool HoverFontInEffect() const { return hoverFontUsed_ && mouseInside_; }
  bool MouseInside() const { return mouseInside_; }

 private:
  explicit TLinkLabel(HWND window) : window_(window) {}
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void Draw(HDC dc, const RECT& area);
  void OnMouseMove();
  void OnMouseLeave();
  void Click();
  void Repaint() { ::InvalidateRect(window_, nullptr, TRUE); }

  HWND window_;
  LinkLabelStyle style_;
  HFONT font_ = nullptr;  // owned by the dialog's control set
  UniqueFont hoverFont_;
  bool hoverFontUsed_ = false;
  bool mouseInside_ = false;
  bool pressed_ = false;
  COLORREF textColor_ = ::GetSysColor(COLOR_WINDOWTEXT);
  COLORREF background_ = ::GetSysColor(COLOR_BTNFACE);
  bool transparent_ = false;
  HCURSOR cursor_ = ::LoadCursorW(nullptr, IDC_ARROW);
};

}  // namespace markwash::win32
