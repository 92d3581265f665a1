// A splitter: a thin bar docked beside a side group that the user drags to
// change the group's width. It only tracks the mouse; its host decides the
// width (within its limits) and lays the page out again.
#pragma once
#include <windows.h>

namespace markwash::win32 {

inline constexpr wchar_t kSplitterClass[] = L"MarkwashSplitter";

class SplitterHost {
 public:
  virtual int SplitterGroupWidth(HWND splitter) const = 0;
  // The mouse has moved `dx` pixels since the drag began at `startWidth`.
  virtual void SplitterDragged(HWND splitter, int startWidth, int dx) = 0;

 protected:
  ~SplitterHost() = default;
};

// Windows of the class take their host from CreateWindowEx's parameter.
void RegisterSplitterClass();

}  // namespace markwash::win32
