// TMessageView: Tidy's messages on the page "Meldungen", read-only, in the
// memo's fixed-pitch font and word wrapping. It lays out and draws only the
// rows it shows: filling it costs one pass over the lines for the row index,
// however many messages a run gives. It holds no copy of the messages; its
// owner keeps the lines and says when they changed.
//
// The keyboard and mouse select messages (see MessageSelection); Ctrl+A and
// Ctrl+C, and a context menu, copy them. Like the memo before it, the window
// answers WM_GETTEXT and WM_GETTEXTLENGTH with the whole text (CR LF after
// each line), and WM_SETTEXT replaces the lines it shows.
#pragma once
#include <windows.h>

#include <cstddef>
#include <optional>

#include "core/common/text_lines.h"
#include "core/dialog/message_position.h"
#include "core/dialog/message_selection.h"
#include "core/dialog/wrapped_rows.h"
#include "win32/dialog/text_grid.h"

namespace markwash::win32 {

inline constexpr wchar_t kMessageViewClass[] = L"MarkwashMessageView";

// Notification codes the view sends its parent with WM_COMMAND.
inline constexpr WORD kMessageCurrentChanged = 0x4D01;  // another current message, or new lines
inline constexpr WORD kMessageOpened = 0x4D02;          // double-click or Enter on a message with a position

// For automation: wParam a message's index, lParam a RECT* that receives the
// client rectangle of its first row. FALSE when that row is not in sight.
inline constexpr UINT kMessageViewMessageRect = WM_USER + 0x4D1;

class TMessageView {
 public:
  static void RegisterClass();
  // The view behind a window of the class; nullptr for any other window.
  static TMessageView* Of(HWND window);

  // The lines to show, kept by the caller for the view's life.
  void Attach(LineBlock* lines);
  // The attached lines changed: nothing is selected any more.
  void LinesChanged();
  std::optional<std::size_t> CurrentMessage() const { return selection_.current(); }
  // Where the current message points in the document, if it names a place.
  std::optional<SourcePosition> CurrentPosition() const;

 private:
  friend LRESULT CALLBACK ViewWindowProc<TMessageView>(HWND, UINT, WPARAM, LPARAM);
  explicit TMessageView(HWND window) : window_(window) {}
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  const LineBlock& Lines() const;
  int Columns() const;
  std::size_t PageRows() const;
  void Reindex();
  void ScrollTo(std::size_t top);
  void Draw(HDC dc) const;
  bool KeyDown(WPARAM key);
  void Click(LPARAM point, bool extend);
  void SelectionChanged(bool notify);
  void KeepCurrentInSight();
  void Notify(WORD code) const;
  void Copy() const;
  void ShowContextMenu(LPARAM screenPoint);
  LRESULT GetText(WPARAM capacity, wchar_t* buffer) const;
  LRESULT TextLength() const;

  HWND window_;
  HFONT font_ = nullptr;
  TextCell cell_;
  LineBlock* lines_ = nullptr;
  WrapIndex index_;
  MessageSelection selection_;
  std::size_t top_ = 0;  // the first row shown
};

}  // namespace markwash::win32
