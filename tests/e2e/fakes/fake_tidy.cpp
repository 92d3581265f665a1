// Stand-ins for Tidy.exe that misbehave on purpose, one program per kind
// (FAKE_MODE, set by the build); Tidy's document is the last argument and
// "-f" names its message file. Asked only for its version (fewer than three
// arguments), those that touch the document answer nothing and end with 2.
//   append   appends one comment line to the document and one message, exit 0;
//            two runs in a row show whether each started from the host's text
//   crash    half-writes the document, then ends with an access violation
//   echo     writes its whole command line as its message, exit 0
//   hold     marks the message file read-only and starts a child of its own
//            that keeps the document open (no delete sharing) until the event
//            "MarkwashReleaseHeldFile" is set; exit 0 once the child holds it
//   slow     ends only when the event "MarkwashLetTidyEnd" is set (or after
//            two minutes), then appends one comment line, exit 0
//   stderr   one message in the file, two lines on standard error, exit 1
//   versions answers "-v" with "version.txt" beside it ("hang": never),
//            counts the questions in "asked.txt" and copies a run's
//            configuration to "seen.cfg"; the document stays as it is
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const std::string kMode = FAKE_MODE;

std::string ReadAll(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Write(const std::string& name, const std::string& bytes, bool append = false) {
  std::ofstream(name, append ? std::ios::binary | std::ios::app : std::ios::binary) << bytes;
}

std::string Beside(const char* name) {
  char self[MAX_PATH];
  const std::string path(self, ::GetModuleFileNameA(nullptr, self, MAX_PATH));
  return path.substr(0, path.find_last_of('\\') + 1) + name;
}

// The value after `option` on the command line ("" if none).
std::string Option(int argc, char** argv, const char* option) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], option) == 0) return argv[i + 1];
  return {};
}

int Hold(int argc, char** argv, const std::string& document) {
  if (argc == 3 && std::strcmp(argv[1], "--hold") == 0) {  // the child
    HANDLE file = ::CreateFileA(argv[2], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                0, nullptr);
    HANDLE release = ::CreateEventW(nullptr, TRUE, FALSE, L"MarkwashReleaseHeldFile");
    if (HANDLE held = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, L"MarkwashTidyFileHeld")) ::SetEvent(held);
    ::WaitForSingleObject(release, 120000);
    ::CloseHandle(file);
    return 0;
  }
  ::SetFileAttributesA(Option(argc, argv, "-f").c_str(), FILE_ATTRIBUTE_READONLY);
  HANDLE held = ::CreateEventW(nullptr, TRUE, FALSE, L"MarkwashTidyFileHeld");
  std::string command = "\"" + std::string(argv[0]) + "\" --hold \"" + document + "\"";
  STARTUPINFOA startup{sizeof startup};
  startup.dwFlags = STARTF_USESTDHANDLES;  // none: the child holds the document only
  PROCESS_INFORMATION child{};
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child))
    return 3;
  ::CloseHandle(child.hThread);
  ::CloseHandle(child.hProcess);
  return ::WaitForSingleObject(held, 30000) == WAIT_OBJECT_0 ? 0 : 4;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string messages = Option(argc, argv, "-f"), document = argc > 1 ? argv[argc - 1] : "";
  if (kMode == "versions") {
    if (argc == 2 && std::strcmp(argv[1], "-v") == 0) {
      Write(Beside("asked.txt"), "-v\n", true);
      const std::string answer = ReadAll(Beside("version.txt"));
      if (answer == "hang") ::Sleep(INFINITE);
      std::fputs(answer.c_str(), stdout);
    } else if (const std::string config = Option(argc, argv, "-config"); !config.empty()) {
      Write(Beside("seen.cfg"), ReadAll(config));
    }
    return 0;
  }
  if (kMode == "echo") {
    Write(messages, ::GetCommandLineA());
    return 0;
  }
  if (kMode == "stderr") {
    Write(messages, "line 1 column 1 - Warning: aus der Meldungsdatei\n");
    std::fputs("stderr: erste Zeile\nstderr: zweite Zeile\n", stderr);
    return 1;
  }
  if (argc < 3) return 2;
  if (kMode == "append") {
    Write(document, "<!-- fake tidy -->\r\n", true);
    Write(messages, "fake tidy: one line appended\n");
  } else if (kMode == "crash") {
    Write(document, "<html><body><p>halb geschrieben");
    ::TerminateProcess(::GetCurrentProcess(), 0xC0000005);
  } else if (kMode == "hold") {
    return Hold(argc, argv, document);
  } else if (kMode == "slow") {
    ::WaitForSingleObject(::CreateEventW(nullptr, TRUE, FALSE, L"MarkwashLetTidyEnd"), 120000);
    Write(document, "<!-- slow tidy -->\r\n", true);
  }
  return 0;
}
