// A splitter: a thin bar docked beside a side group (or above a panel) that
// the user drags to change the group's width (or the panel's height). It only tracks the mouse; its host decides the
// width (within its limits) and lays the page out again.
#pragma once
#include <windows.h>

namespace markwash::win32 {

inline constexpr wchar_t kSplitterClass[] = L"MarkwashSplitter";

class SplitterHost {
 public:
  // A bar above or below a panel changes its height; one beside a group its width.
  virtual bool SplitterResizesHeight(HWND splitter) const = 0;
  virtual int SplitterGroupSize(HWND splitter) const = 0;
  // The mouse has moved `delta` pixels along the splitter's axis since the
  // drag began at `startSize`.
  virtual void SplitterDragged(HWND splitter, int startSize, int delta) = 0;

 protected:
  ~SplitterHost() = default;
};

// Windows of the class take their host from CreateWindowEx's parameter.
void RegisterSplitterClass();

}  // namespace markwash::win32
