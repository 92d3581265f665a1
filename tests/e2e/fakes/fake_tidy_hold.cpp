// Stands in for a Tidy.exe that leaves its files hard to delete: it marks
// the message file read-only and starts a child of its own that keeps the
// document open (without delete sharing) until the event
// "MarkwashReleaseHeldFile" is set. Exit code 0 once the child holds it.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

int HoldFile(const char* name) {
  HANDLE file = ::CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
  HANDLE release = ::CreateEventW(nullptr, TRUE, FALSE, L"MarkwashReleaseHeldFile");
  HANDLE held = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, L"MarkwashTidyFileHeld");
  if (held) ::SetEvent(held);
  ::WaitForSingleObject(release, 120000);
  ::CloseHandle(file);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--hold") == 0) return HoldFile(argv[2]);
  if (argc < 3) return 2;  // asked only for its version: no answer, no document
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "-f") == 0) ::SetFileAttributesA(argv[i + 1], FILE_ATTRIBUTE_READONLY);
  HANDLE held = ::CreateEventW(nullptr, TRUE, FALSE, L"MarkwashTidyFileHeld");
  std::string command = "\"" + std::string(argv[0]) + "\" --hold \"" + argv[argc - 1] + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;  // none: the child holds the document only
  PROCESS_INFORMATION child{};
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child))
    return 3;
  ::CloseHandle(child.hThread);
  ::CloseHandle(child.hProcess);
  return ::WaitForSingleObject(held, 30000) == WAIT_OBJECT_0 ? 0 : 4;
}
