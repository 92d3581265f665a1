// Which Tidy a Tidy.exe is: asked once per file (path, size and time of last
// writing) with "-v" and kept in memory for the library's life, so that a
// run, the path label's hint and the about page ask it only the first time.
// Opening the dialog never waits for the answer: once the dialog has painted
// it starts the question without waiting, and whatever needs the version
// first collects the answer, which a user who reads the dialog before
// clicking finds already there.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "core/runner/tidy_version.h"

namespace markwash::win32 {

// How long "-v" may take, counted from its start. A Tidy that has not
// answered by then, that crashes, or that cannot be started counts as unknown.
inline constexpr DWORD kTidyVersionLimitMs = 8000;

// The dialog's questions to Tidy. At most one "-v" runs at a time; one still
// running when the probe goes (the dialog closes) is stopped and its answer
// file deleted, so a closing dialog never waits for a slow Tidy.
class TidyVersionProbe {
 public:
  TidyVersionProbe();
  ~TidyVersionProbe();
  TidyVersionProbe(const TidyVersionProbe&) = delete;
  TidyVersionProbe& operator=(const TidyVersionProbe&) = delete;

  // Starts "-v" for an existing file whose version is not known yet, and
  // returns without waiting for it.
  void Start(const std::string& tidyPath);
  // The file's version. Never raises; the dialog stays painted while it waits.
  TidyVersion Known(const std::string& tidyPath);

 private:
  struct Pending;  // a "-v" under way
  std::unique_ptr<Pending> pending_;
};

}  // namespace markwash::win32
