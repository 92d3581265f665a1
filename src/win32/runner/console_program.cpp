#include "win32/runner/console_program.h"

#include <vector>

#include "win32/common/system_error.h"

namespace markwash::win32 {
namespace {

UniqueKernelHandle OpenInheritable(const char* name, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  UniqueKernelHandle handle(::CreateFileA(name, access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, disposition,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) RaiseLastSystemError();
  return handle;
}

}  // namespace

UniqueKernelHandle StartConsoleProgram(const std::string& program, const std::string& commandLine, int showCommand,
                                       const std::string& outputFile, const std::string& errorFile) {
  const UniqueKernelHandle nul = OpenInheritable("NUL", GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
  const UniqueKernelHandle errors = OpenInheritable(errorFile.c_str(), GENERIC_WRITE, CREATE_ALWAYS);
  // One file may take both outputs.
  UniqueKernelHandle output;
  if (!outputFile.empty() && outputFile != errorFile)
    output = OpenInheritable(outputFile.c_str(), GENERIC_WRITE, CREATE_ALWAYS);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
  startup.wShowWindow = static_cast<WORD>(showCommand);
  startup.hStdInput = nul.get();
  startup.hStdOutput = outputFile.empty() ? nul.get() : output ? output.get() : errors.get();
  startup.hStdError = errors.get();
  PROCESS_INFORMATION info{};
  std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back('\0');
  if (!::CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
    RaiseLastSystemError(program);
  ::CloseHandle(info.hThread);
  return UniqueKernelHandle(info.hProcess);
}

}  // namespace markwash::win32
