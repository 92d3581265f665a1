#include "win32/runner/tidy_version_probe.h"

#include <map>
#include <utility>

#include "core/runner/command_line.h"
#include "core/runner/tidy_exit.h"
#include "win32/common/ansi_files.h"
#include "win32/common/unique_handle.h"
#include "win32/runner/console_program.h"
#include "win32/runner/temp_file.h"

namespace markwash::win32 {
namespace {

// How long a stopped Tidy may take to go: its answer file can only be
// deleted once it has really gone.
constexpr DWORD kGoneLimitMs = 10000;

struct FileIdentity {
  ULONGLONG size = 0;
  ULONGLONG written = 0;
  bool operator==(const FileIdentity& other) const { return size == other.size && written == other.written; }
};

struct KnownAnswer {
  FileIdentity identity;
  TidyVersion version;
};

std::map<std::string, KnownAnswer>& KnownAnswers() {
  static std::map<std::string, KnownAnswer> answers;
  return answers;
}

const TidyVersion* KnownVersion(const std::string& path, const FileIdentity& identity) {
  auto known = KnownAnswers().find(path);
  if (known != KnownAnswers().end() && known->second.identity == identity) return &known->second.version;
  return nullptr;
}

// False for anything but an existing file.
bool IdentityOf(const std::string& path, FileIdentity& identity) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  identity.size = (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  identity.written = (ULONGLONG{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime;
  return true;
}

// Waits for the process until the limit counted from its start, keeping the
// dialog painted.
bool EndsInTime(HANDLE process, DWORD started) {
  for (;;) {
    const DWORD elapsed = ::GetTickCount() - started;
    if (elapsed >= kTidyVersionLimitMs) return ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    const DWORD woke =
        ::MsgWaitForMultipleObjects(1, &process, FALSE, kTidyVersionLimitMs - elapsed, QS_PAINT | QS_SENDMESSAGE);
    if (woke == WAIT_OBJECT_0) return true;
    if (woke != WAIT_OBJECT_0 + 1) return ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    MSG msg;
    for (int i = 0; i < 256 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT); ++i)
      ::DispatchMessageW(&msg);
  }
}

}  // namespace

// "-v" started for one file, answering into a temporary file. Raises when
// there is no temporary folder or the Tidy cannot be started.
struct TidyVersionProbe::Pending {
  Pending(std::string tidyPath, FileIdentity fileIdentity)
      : path(std::move(tidyPath)),
        identity(fileIdentity),
        answer("Ver"),
        process(StartConsoleProgram(path, BuildTidyVersionCommandLine(path), SW_HIDE, answer.name(), answer.name())) {}

  // A Tidy still answering is stopped.
  ~Pending() {
    if (::WaitForSingleObject(process.get(), 0) != WAIT_TIMEOUT) return;
    ::TerminateProcess(process.get(), 1);
    ::WaitForSingleObject(process.get(), kGoneLimitMs);
  }

  bool Asks(const std::string& tidyPath, const FileIdentity& fileIdentity) const {
    return path == tidyPath && identity == fileIdentity;
  }

  // Waits for what is left of the limit.
  TidyVersion Answer() const {
    if (!EndsInTime(process.get(), started)) return {};
    DWORD exitCode = 0;
    if (!::GetExitCodeProcess(process.get(), &exitCode) || !IsNormalTidyExit(exitCode)) return {};
    return ParseTidyVersion(ReadWholeFile(answer.name()));
  }

  const std::string path;
  const FileIdentity identity;
  const DWORD started = ::GetTickCount();
  const TempFile answer;  // made before the process, so deleted after it has gone
  const UniqueKernelHandle process;
};

TidyVersionProbe::TidyVersionProbe() = default;
TidyVersionProbe::~TidyVersionProbe() = default;

void TidyVersionProbe::Start(const std::string& tidyPath) {
  FileIdentity identity;
  if (!IdentityOf(tidyPath, identity) || KnownVersion(tidyPath, identity)) return;
  if (pending_ && pending_->Asks(tidyPath, identity)) return;
  // A question for another file is stopped unanswered, also one that has
  // just been answered: the path changed (located, or named by an option set
  // loaded) and seldom changes back, and one rule keeps one -v at a time.
  pending_.reset();
  try {
    pending_ = std::make_unique<Pending>(tidyPath, identity);
  } catch (...) {
    // No temporary folder, or a Tidy that cannot be started: the run will say
    // what is wrong; until then the Tidy stays unknown.
  }
}

TidyVersion TidyVersionProbe::Known(const std::string& tidyPath) {
  FileIdentity identity;
  if (!IdentityOf(tidyPath, identity)) return {};
  if (const TidyVersion* known = KnownVersion(tidyPath, identity)) return *known;
  Start(tidyPath);
  // Taken out first: the dialog's messages handled while it waits may ask again.
  const std::unique_ptr<Pending> asked = std::move(pending_);
  TidyVersion version;
  try {
    if (asked) version = asked->Answer();
  } catch (...) {
    // An unreadable answer: the Tidy stays unknown.
  }
  KnownAnswers()[tidyPath] = {identity, version};
  return version;
}

}  // namespace markwash::win32
