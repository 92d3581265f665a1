// TSourceView: the preview of the host's document under the messages:
// read-only, fixed-pitch, line numbers in a gutter. It draws only the lines
// in sight and holds no copy of the document. Shown a position, it brings
// that line to its middle and marks the column; Esc hands the focus back.
#pragma once
#include <windows.h>

#include <cstddef>
#include <optional>

#include "core/common/text_lines.h"
#include "core/dialog/message_position.h"
#include "win32/dialog/text_grid.h"

namespace markwash::win32 {

inline constexpr wchar_t kSourceViewClass[] = L"MarkwashSourceView";

// Notification code sent to the parent with WM_COMMAND: Esc was pressed.
inline constexpr WORD kSourceLeft = 0x4D03;

// For automation: lParam a SourcePosition* that receives the marked line and
// column (both from 1). FALSE while nothing is marked. The first line in
// sight is the vertical scroll bar's position (from 0).
inline constexpr UINT kSourceViewGetMark = WM_USER + 0x4D2;

class TSourceView {
 public:
  static void RegisterClass();
  static TSourceView* Of(HWND window);

  // The document's lines, kept by the caller for the view's life.
  void Attach(const LineBlock* lines);
  // Line in the middle, column marked (column 0: the line alone).
  void ShowPosition(const SourcePosition& position);

 private:
  friend LRESULT CALLBACK ViewWindowProc<TSourceView>(HWND, UINT, WPARAM, LPARAM);
  explicit TSourceView(HWND window) : window_(window) {}
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  const LineBlock& Lines() const;
  std::size_t PageLines() const;
  int GutterWidth() const;
  int TextColumns() const;
  void ScrollTo(std::size_t top);
  void ScrollSideways(int left);
  void Draw(HDC dc) const;
  void DrawLine(HDC dc, std::size_t line, int y, int gutter, const RECT& client) const;
  bool KeyDown(WPARAM key);

  HWND window_;
  HFONT font_ = nullptr;
  TextCell cell_;
  const LineBlock* lines_ = nullptr;
  std::size_t top_ = 0;  // the first line in sight, from 0
  int left_ = 0;         // the first column in sight, from 0
  std::optional<SourcePosition> mark_;
};

}  // namespace markwash::win32
