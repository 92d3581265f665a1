#include "win32/runner/tidy_version_probe.h"

#include <map>
#include <vector>

#include "core/runner/command_line.h"
#include "core/runner/tidy_exit.h"
#include "win32/common/ansi_files.h"
#include "win32/common/unique_handle.h"
#include "win32/runner/temp_file.h"

namespace markwash::win32 {
namespace {

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

bool IdentityOf(const std::string& path, FileIdentity& identity) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
  identity.size = (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  identity.written = (ULONGLONG{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime;
  return true;
}

UniqueKernelHandle OpenInheritable(const char* name, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return UniqueKernelHandle(::CreateFileA(name, access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, disposition,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Waits for the process within the limit, keeping the dialog painted.
bool EndsInTime(HANDLE process) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    const DWORD elapsed = ::GetTickCount() - start;
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

TidyVersion AskTidy(const std::string& path) {
  TempFile answer("Ver");
  UniqueKernelHandle nul = OpenInheritable("NUL", GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
  UniqueKernelHandle out = OpenInheritable(answer.name().c_str(), GENERIC_WRITE, CREATE_ALWAYS);
  if (!nul || !out) return {};
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
  startup.wShowWindow = SW_HIDE;
  startup.hStdInput = nul.get();
  startup.hStdOutput = out.get();
  startup.hStdError = out.get();
  const std::string commandLine = BuildTidyVersionCommandLine(path);
  std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back('\0');
  PROCESS_INFORMATION info{};
  if (!::CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &info))
    return {};
  UniqueKernelHandle process(info.hProcess);
  UniqueKernelHandle thread(info.hThread);
  out = {};
  if (!EndsInTime(process.get())) {
    ::TerminateProcess(process.get(), 1);
    // Its answer file can only be deleted once it has really gone.
    ::WaitForSingleObject(process.get(), 10000);
    return {};
  }
  DWORD exitCode = 0;
  if (!::GetExitCodeProcess(process.get(), &exitCode) || !IsNormalTidyExit(exitCode)) return {};
  return ParseTidyVersion(ReadWholeFile(answer.name()));
}

}  // namespace

TidyVersion KnownTidyVersion(const std::string& tidyPath) {
  FileIdentity identity;
  if (!IdentityOf(tidyPath, identity)) return {};
  auto known = KnownAnswers().find(tidyPath);
  if (known != KnownAnswers().end() && known->second.identity == identity) return known->second.version;
  TidyVersion version;
  try {
    version = AskTidy(tidyPath);
  } catch (...) {
    // No temporary folder or an unreadable answer: the run will say what is
    // wrong; here the Tidy just stays unknown.
  }
  KnownAnswers()[tidyPath] = {identity, version};
  return version;
}

}  // namespace markwash::win32
