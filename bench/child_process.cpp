#include "child_process.h"

#include <tlhelp32.h>

namespace bench {
namespace {

ULONGLONG Ticks(const FILETIME& time) { return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime; }

// A child of ours by that name, started at or after `since`.
ScopedHandle FindChild(const wchar_t* exeName, const FILETIME& since) {
  const ScopedHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return {};
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more; more = ::Process32NextW(snapshot.get(), &entry)) {
    if (entry.th32ParentProcessID != ::GetCurrentProcessId() || ::lstrcmpiW(entry.szExeFile, exeName) != 0) continue;
    ScopedHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, entry.th32ProcessID));
    FILETIME created, exited, kernel, user;
    if (process && ::GetProcessTimes(process.get(), &created, &exited, &kernel, &user) &&
        Ticks(created) >= Ticks(since))
      return process;
  }
  return {};
}

}  // namespace

ScopedHandle WaitForChildProcess(const wchar_t* exeName, const FILETIME& since, DWORD limitMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (ScopedHandle found = FindChild(exeName, since)) return found;
    if (::GetTickCount() - start > limitMs) return {};
    ::Sleep(1);
  }
}

double LifetimeSeconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (::WaitForSingleObject(process, 0) != WAIT_OBJECT_0 ||
      !::GetProcessTimes(process, &created, &exited, &kernel, &user))
    return -1;
  return static_cast<double>(Ticks(exited) - Ticks(created)) / 1e7;
}

}  // namespace bench
