// The Tidy.exe a plug-in run starts, seen from the host process: its own
// lifetime, so that what the plug-in adds around it can be told apart from
// how fast Tidy happened to be in that run.
#pragma once

#include <windows.h>

#include "win32/common/unique_handle.h"

namespace bench {

using ScopedHandle = markwash::win32::UniqueHandle<markwash::win32::KernelHandleTraits>;

// The first process named `exeName` that this process started at or after
// `since` (a system time), watched for up to `limitMs`; empty when none came.
ScopedHandle WaitForChildProcess(const wchar_t* exeName, const FILETIME& since, DWORD limitMs);

// From the process's creation to its exit, in seconds; -1 while it runs.
double LifetimeSeconds(HANDLE process);

}  // namespace bench
