// markwash-host.exe: does what the host editor does with the plug-in. It
// loads Markwash.dll, asks the interface version, hands it the bytes of a
// file (up to the first NUL), asks the result kind and, on kind 2, writes the
// returned text to the output file. It prints the result kind and the size
// of the text in bytes, the text itself only with --print (a console takes
// long for a large one). With --headless it drives the dialog itself: it
// makes sure Tidy writes markup ("HTML &bearbeiten", off in the factory
// settings, where Tidy only reports), starts Tidy, waits for the run and
// accepts the result with OK.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using InterfaceVersionFn = int(WINAPI*)();
using ResultKindFn = int(WINAPI*)();
using StartFn = const char*(WINAPI*)(const char*, int, int);

constexpr DWORD kWaitLimitMs = 120000;

struct FindData {
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK FindChildByCaption(HWND window, LPARAM param) {
  auto* data = reinterpret_cast<FindData*>(param);
  wchar_t text[256];
  ::GetWindowTextW(window, text, 256);
  if (wcscmp(text, data->caption) == 0) {
    data->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindChild(HWND parent, const wchar_t* caption) {
  FindData data{caption, nullptr};
  ::EnumChildWindows(parent, FindChildByCaption, reinterpret_cast<LPARAM>(&data));
  return data.found;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  wchar_t text[64];
  ::GetWindowTextW(window, text, 64);
  if (pid == ::GetCurrentProcessId() && ::IsWindowVisible(window) && wcscmp(text, L"Markwash Plugin") == 0 &&
      FindChild(window, L"&Tidy starten")) {
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
  }
  return TRUE;
}

template <typename Condition>
bool WaitFor(Condition condition) {
  for (DWORD waited = 0; waited < kWaitLimitMs; waited += 50) {
    if (condition()) return true;
    ::Sleep(50);
  }
  return false;
}

// Drives the dialog from a second thread while pluginStart runs its loop.
DWORD WINAPI DriveDialog(LPVOID) {
  HWND dialog = nullptr;
  if (!WaitFor([&] { ::EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&dialog)); return dialog != nullptr; })) {
    std::fprintf(stderr, "markwash-host: the dialog did not appear\n");
    return 1;
  }
  HWND markup = FindChild(dialog, L"HTML &bearbeiten");
  if (markup && ::SendMessageW(markup, BM_GETCHECK, 0, 0) != BST_CHECKED) ::PostMessageW(markup, BM_CLICK, 0, 0);
  HWND run = FindChild(dialog, L"&Tidy starten");
  HWND ok = FindChild(dialog, L"O&K");
  HWND cancel = FindChild(dialog, L"Abbrechen");
  ::PostMessageW(run, BM_CLICK, 0, 0);
  if (WaitFor([&] { return ::IsWindowEnabled(ok) != FALSE; })) {
    ::PostMessageW(ok, BM_CLICK, 0, 0);
  } else {
    std::fprintf(stderr, "markwash-host: the run gave no output; cancelling\n");
    ::PostMessageW(cancel, BM_CLICK, 0, 0);
  }
  return 0;
}

bool ReadFileBytes(const char* name, std::string& bytes) {
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int arg = 1;
  bool headless = false, print = false;
  for (; arg < argc && argv[arg][0] == '-' && argv[arg][1] == '-'; ++arg) {
    const std::string flag = argv[arg];
    if (flag == "--headless") {
      headless = true;
    } else if (flag == "--print") {
      print = true;
    } else {
      break;
    }
  }
  if (argc - arg != 3) {
    std::fprintf(stderr, "usage: markwash-host [--headless] [--print] Markwash.dll input.html output.html\n");
    return 2;
  }
  const char* dllName = argv[arg];
  const char* inputName = argv[arg + 1];
  const char* outputName = argv[arg + 2];

  HMODULE library = ::LoadLibraryA(dllName);
  if (!library) {
    std::fprintf(stderr, "markwash-host: cannot load %s (error %lu)\n", dllName, ::GetLastError());
    return 1;
  }
  auto interfaceVersion = reinterpret_cast<InterfaceVersionFn>(::GetProcAddress(library, "pluginInterfaceVersion"));
  auto resultKind = reinterpret_cast<ResultKindFn>(::GetProcAddress(library, "pluginRueckgabetyp"));
  auto start = reinterpret_cast<StartFn>(::GetProcAddress(library, "pluginStart"));
  if (!interfaceVersion || !resultKind || !start) {
    std::fprintf(stderr, "markwash-host: %s lacks the plug-in exports\n", dllName);
    return 1;
  }
  std::printf("Schnittstellenversion: %d\n", interfaceVersion());

  std::string document;
  if (!ReadFileBytes(inputName, document)) {
    std::fprintf(stderr, "markwash-host: cannot read %s\n", inputName);
    return 1;
  }
  HANDLE driver = headless ? ::CreateThread(nullptr, 0, DriveDialog, nullptr, 0, nullptr) : nullptr;
  const char* result = start(document.c_str(), 0, 0);
  const int kind = resultKind();
  if (driver) {
    ::WaitForSingleObject(driver, INFINITE);
    ::CloseHandle(driver);
  }
  std::printf("Ergebnisart: %d\n", kind);
  if (kind == 2) {
    const size_t size = std::strlen(result);
    std::printf("Bytes: %zu\n", size);
    if (print) std::fwrite(result, 1, size, stdout);
    std::ofstream out(outputName, std::ios::binary);
    out.write(result, static_cast<std::streamsize>(size));
    if (!out) {
      std::fprintf(stderr, "markwash-host: cannot write %s\n", outputName);
      return 1;
    }
  }
  std::fflush(stdout);
  ::FreeLibrary(library);
  return 0;
}
