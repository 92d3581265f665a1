// The nested busy cursor: the first Begin saves the screen cursor and shows
// the hourglass, the End that brings the count back to 0 restores it, and an
// End at 0 does nothing. The screen itself is behind CursorScreen.
#pragma once

namespace markwash {

class CursorScreen {
 public:
  virtual ~CursorScreen() = default;
  virtual void SaveAndShowBusy() = 0;
  virtual void RestoreSaved() = 0;
};

class WaitCursor {
 public:
  explicit WaitCursor(CursorScreen& screen) : screen_(screen) {}
  void Begin();
  void End();
  int depth() const { return depth_; }

 private:
  CursorScreen& screen_;
  int depth_ = 0;
};

// Begin in the constructor, End in the destructor, so every path restores.
class WaitCursorScope {
 public:
  explicit WaitCursorScope(WaitCursor& cursor) : cursor_(cursor) { cursor_.Begin(); }
  ~WaitCursorScope() { cursor_.End(); }
  WaitCursorScope(const WaitCursorScope&) = delete;
  WaitCursorScope& operator=(const WaitCursorScope&) = delete;

 private:
  WaitCursor& cursor_;
};

}  // namespace markwash
