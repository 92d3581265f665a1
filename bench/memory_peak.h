// The host process's peak memory over a stretch of time, above its level at
// the start. Windows keeps a peak counter, but it cannot be reset and may
// stem from before the stretch; Wine reports the current value as the peak.
// So a thread samples the private bytes (committed memory; under Wine the
// anonymous resident memory) every few milliseconds, and the system's peak
// counter is taken as well when it rose during the stretch.
#pragma once

#include <windows.h>

#include <atomic>

#include "win32/common/unique_handle.h"

namespace bench {

SIZE_T PrivateBytes();

class PeakWatch {
 public:
  // Takes the level now and starts sampling.
  PeakWatch();
  ~PeakWatch();
  PeakWatch(const PeakWatch&) = delete;
  PeakWatch& operator=(const PeakWatch&) = delete;

  // Stops sampling; the highest level seen since the start, minus the level
  // at the start.
  SIZE_T StopAndGetPeakAbove();

  // The level when sampling stopped, minus the level at the start: what the
  // stretch left behind. (Under Wine this is what the system's peak counter
  // reports, so older figures of "peak" memory measured this.)
  SIZE_T LeftAbove() const { return end_ > start_ ? end_ - start_ : 0; }

 private:
  static DWORD WINAPI Sample(LPVOID self);
  void Stop();

  SIZE_T start_ = 0;
  SIZE_T systemPeakAtStart_ = 0;
  SIZE_T end_ = 0;
  std::atomic<SIZE_T> highest_{0};
  std::atomic<bool> stop_{false};
  markwash::win32::UniqueHandle<markwash::win32::KernelHandleTraits> thread_;
};

}  // namespace bench
