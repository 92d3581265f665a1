#include "memory_peak.h"

#include <psapi.h>

#include <algorithm>

namespace bench {
namespace {

// Short enough that filling a control or building a result of some MB cannot
// pass unseen between two samples, long enough that sampling costs the run
// next to nothing.
constexpr DWORD kSampleMs = 2;

PROCESS_MEMORY_COUNTERS Counters() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

}  // namespace

SIZE_T PrivateBytes() { return Counters().PagefileUsage; }

PeakWatch::PeakWatch() {
  const PROCESS_MEMORY_COUNTERS counters = Counters();
  start_ = counters.PagefileUsage;
  systemPeakAtStart_ = counters.PeakPagefileUsage;
  highest_ = start_;
  thread_.reset(::CreateThread(nullptr, 0, Sample, this, 0, nullptr));
}

PeakWatch::~PeakWatch() { Stop(); }

DWORD WINAPI PeakWatch::Sample(LPVOID self) {
  auto* watch = static_cast<PeakWatch*>(self);
  while (!watch->stop_) {
    const SIZE_T now = PrivateBytes();
    if (now > watch->highest_) watch->highest_ = now;
    ::Sleep(kSampleMs);
  }
  return 0;
}

void PeakWatch::Stop() {
  stop_ = true;
  if (thread_) ::WaitForSingleObject(thread_.get(), INFINITE);
  thread_.reset();
}

SIZE_T PeakWatch::StopAndGetPeakAbove() {
  Stop();
  const PROCESS_MEMORY_COUNTERS counters = Counters();
  end_ = counters.PagefileUsage;
  SIZE_T highest = std::max<SIZE_T>(highest_, end_);
  // A peak counter that rose was reached within the stretch, and is exact.
  if (counters.PeakPagefileUsage > systemPeakAtStart_) highest = std::max(highest, counters.PeakPagefileUsage);
  return highest > start_ ? highest - start_ : 0;
}

}  // namespace bench
