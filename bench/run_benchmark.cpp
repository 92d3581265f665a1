// run_benchmark.exe: the cost of the plug-in around Tidy. For documents of
// 1, 5 and 20 MB it times a whole plug-in run (from the click on "&Tidy
// starten" until the results are shown) against running the same Tidy.exe
// directly on the same document with the same configuration, and reports the
// host process's peak memory against the document size. Each size runs in a
// fresh process of its own, so that the peaks do not carry over.
// Then, with a stand-in Tidy that writes 100, 200 and 300 MB of output for a
// small document, it hands the output back and reports the host's peak
// memory during "O&K" against the output size.
//   run_benchmark.exe [Tidy.exe]      (default: MARKWASH_TIDY or ..\..\tidy\Tidy.exe)
//   run_benchmark.exe --large <MB>    (one large-output case)
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using StartFn = const char*(WINAPI*)(const char*, int, int);

constexpr DWORD kLimitMs = 600000;

std::wstring ProgramFolder() {
  wchar_t buffer[MAX_PATH];
  const DWORD n = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  std::wstring path(buffer, n);
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
  LARGE_INTEGER t;
  ::QueryPerformanceCounter(&t);
  return t;
}

// An HTML document of about `bytes` bytes: paragraphs, lists, tables and
// umlauts in the ANSI code page, CR LF lines of some 80 bytes. The messy one
// leaves elements unclosed and misnested, so Tidy reports on every section;
// the clean one gives Tidy next to nothing to say.
std::string MakeCleanDocument(size_t bytes) {
  std::string doc = "<!DOCTYPE html>\r\n<html><head><title>Benchmark</title></head><body>\r\n";
  for (int i = 0; doc.size() < bytes; ++i) {
    doc += "<h2>Abschnitt " + std::to_string(i) + "</h2>\r\n";
    doc += "<p>Gr&uuml;&szlig;e aus dem Absatz " + std::to_string(i) + " mit <b>fettem <i>Text</i></b>.</p>\r\n";
    doc += "<ul><li>Eins</li><li>Zwei</li><li>Drei</li></ul>\r\n";
    doc += "<table><tr><td>Zelle</td><td>" + std::to_string(i * 7) + "</td></tr></table>\r\n";
  }
  doc += "</body></html>\r\n";
  return doc;
}

std::string MakeMessyDocument(size_t bytes) {
  std::string doc = "<html><head><title>Benchmark</title></head><body>\r\n";
  for (int i = 0; doc.size() < bytes; ++i) {
    doc += "<h2>Abschnitt " + std::to_string(i) + "</h2>\r\n";
    doc += "<p>Gr\xFC\xDF" "e aus dem Absatz " + std::to_string(i) + " mit <b>fettem <i>Text</b></i> und & Zeichen\r\n";
    doc += "<ul><li>Eins<li>Zwei<li>Drei</ul>\r\n";
    doc += "<table><tr><td>Zelle<td>" + std::to_string(i * 7) + "</table>\r\n";
    doc += "<p>Noch ein Absatz ohne Ende, der etwas l\xE4nger ist als die anderen Zeilen hier.\r\n";
  }
  doc += "</body></html>\r\n";
  return doc;
}

struct FindData {
  const char* name;
  HWND found;
};

BOOL CALLBACK MatchName(HWND window, LPARAM param) {
  auto* data = reinterpret_cast<FindData*>(param);
  const char* name = static_cast<const char*>(::GetPropW(window, L"MarkwashName"));
  if (name && std::string(name) == data->name) {
    data->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND Control(HWND dialog, const char* name) {
  FindData data{name, nullptr};
  ::EnumChildWindows(dialog, MatchName, reinterpret_cast<LPARAM>(&data));
  return data.found;
}

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  if (pid == ::GetCurrentProcessId() && ::IsWindowVisible(window) && Control(window, "bRunTidy")) {
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
  }
  return TRUE;
}

template <typename Condition>
bool WaitFor(Condition condition, DWORD sleepMs = 2) {
  const DWORD start = ::GetTickCount();
  while (!condition()) {
    if (::GetTickCount() - start > kLimitMs) return false;
    ::Sleep(sleepMs);
  }
  return true;
}

std::wstring Text(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

struct Measurement {
  std::atomic<double> pluginSeconds{-1};
  std::wstring script;
};

// The second thread: sets up the run as a user would, clicks, waits for the
// results to be shown, and accepts them.
DWORD WINAPI Drive(LPVOID param) {
  auto* m = static_cast<Measurement*>(param);
  HWND dialog = nullptr;
  if (!WaitFor([&] { return ::EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&dialog)), dialog != nullptr; }, 20))
    return 1;
  HWND markup = Control(dialog, "cbMarkup");
  if (::SendMessageW(markup, BM_GETCHECK, 0, 0) != BST_CHECKED) ::SendMessageW(markup, BM_CLICK, 0, 0);
  // The configuration the run will use, for the direct run of Tidy.
  HWND pages = Control(dialog, "Pages");
  ::SendMessageW(pages, TCM_SETCURFOCUS, 3, 0);
  m->script = Text(Control(dialog, "mCfg"));
  HWND ok = Control(dialog, "bOK");
  const LARGE_INTEGER start = Now();
  ::PostMessageW(Control(dialog, "bRunTidy"), BM_CLICK, 0, 0);
  const bool shown = WaitFor([&] {
    return ::IsWindowEnabled(ok) && ::SendMessageW(pages, TCM_GETCURSEL, 0, 0) == 1;
  });
  m->pluginSeconds = shown ? Seconds(start, Now()) : -1;
  ::PostMessageW(ok, BM_CLICK, 0, 0);
  return 0;
}

double RunTidyDirectly(const std::wstring& tidy, const std::wstring& folder, const std::string& document,
                       const std::string& config) {
  const std::wstring doc = folder + L"direct.html", cfg = folder + L"direct.cfg", err = folder + L"direct.err";
  std::ofstream(doc.c_str(), std::ios::binary) << document;
  std::ofstream(cfg.c_str(), std::ios::binary) << config;
  std::wstring command = L"\"" + tidy + L"\" -config \"" + cfg + L"\" -modify -f \"" + err + L"\" \"" + doc + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINNOACTIVE;
  PROCESS_INFORMATION info{};
  const LARGE_INTEGER start = Now();
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
    return -1;
  ::WaitForSingleObject(info.hProcess, INFINITE);
  const double seconds = Seconds(start, Now());
  ::CloseHandle(info.hProcess);
  ::CloseHandle(info.hThread);
  ::DeleteFileW(doc.c_str());
  ::DeleteFileW(cfg.c_str());
  ::DeleteFileW(err.c_str());
  return seconds;
}

std::string ToAnsi(const std::wstring& text) {
  const int n = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      nullptr);
  std::string bytes(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
  return bytes;
}

SIZE_T PeakBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
  return counters.PeakPagefileUsage;
}

SIZE_T CurrentBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
  return counters.PagefileUsage;
}

// One size, in this process: prints "MB plugin-s direct-s ratio peak-MB peak/doc".
int MeasureOne(int megabytes, bool messy, const std::wstring& tidy) {
  const std::wstring folder = ProgramFolder() + L"bench-" + std::to_wstring(megabytes) + L"\\";
  const std::wstring temp = folder + L"temp\\";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  ::CreateDirectoryW(temp.c_str(), nullptr);
  ::SetEnvironmentVariableW(L"TMP", temp.c_str());
  ::SetEnvironmentVariableW(L"TEMP", temp.c_str());
  ::CopyFileW((ProgramFolder() + L"Markwash.dll").c_str(), (folder + L"Markwash.dll").c_str(), FALSE);
  ::CopyFileW(tidy.c_str(), (folder + L"Tidy.exe").c_str(), FALSE);
  HMODULE library = ::LoadLibraryW((folder + L"Markwash.dll").c_str());
  if (!library) return 1;
  auto start = reinterpret_cast<StartFn>(::GetProcAddress(library, "pluginStart"));
  const size_t size = static_cast<size_t>(megabytes) << 20;
  std::string document = messy ? MakeMessyDocument(size) : MakeCleanDocument(size);
  Measurement m;
  const SIZE_T baseline = CurrentBytes();
  HANDLE driver = ::CreateThread(nullptr, 0, Drive, &m, 0, nullptr);
  const char* result = start(document.c_str(), 0, 0);
  ::WaitForSingleObject(driver, INFINITE);
  ::CloseHandle(driver);
  const SIZE_T peak = PeakBytes();
  const size_t resultSize = result ? std::strlen(result) : 0;
  const double direct = RunTidyDirectly(folder + L"Tidy.exe", folder, document, ToAnsi(m.script));
  const double plugin = m.pluginSeconds;
  const double mb = static_cast<double>(document.size()) / (1 << 20);
  std::printf("%s %6.2f MB  plug-in %7.3f s  Tidy alone %7.3f s  ratio %5.3f  host peak +%7.1f MB (%4.2fx document)"
              "  result %zu bytes\n",
              messy ? "messy" : "clean", mb, plugin, direct, direct > 0 ? plugin / direct : 0.0,
              static_cast<double>(peak - baseline) / (1 << 20),
              static_cast<double>(peak - baseline) / static_cast<double>(document.size()), resultSize);
  std::fflush(stdout);
  ::FreeLibrary(library);
  return plugin > 0 ? 0 : 1;
}

// The large-output case: a stand-in Tidy writes `megabytes` of output for a
// small document; timed from the click on "O&K" until pluginStart returns,
// with the host's memory (committed bytes) sampled during OK against the
// output size.
struct LargeRun {
  HWND dialog = nullptr;
  std::atomic<bool> okClicked{false}, returned{false};
  std::atomic<SIZE_T> beforeOk{0}, peakDuringOk{0};
  LARGE_INTEGER okAt{};
};

DWORD WINAPI DriveLarge(LPVOID param) {
  auto* run = static_cast<LargeRun*>(param);
  auto shown = [&] { return ::EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&run->dialog)), run->dialog != nullptr; };
  if (!WaitFor(shown, 20)) return 1;
  HWND ok = Control(run->dialog, "bOK");
  ::PostMessageW(Control(run->dialog, "bRunTidy"), BM_CLICK, 0, 0);
  if (!WaitFor([&] { return ::IsWindowEnabled(ok) != FALSE; }, 20)) return 1;
  run->beforeOk = CurrentBytes();
  run->okAt = Now();
  run->okClicked = true;
  ::PostMessageW(ok, BM_CLICK, 0, 0);
  return 0;
}

DWORD WINAPI SampleMemory(LPVOID param) {
  auto* run = static_cast<LargeRun*>(param);
  while (!run->returned) {
    if (run->okClicked && CurrentBytes() > run->peakDuringOk) run->peakDuringOk = CurrentBytes();
    ::Sleep(1);
  }
  return 0;
}

int MeasureLarge(int megabytes) {
  const std::wstring folder = ProgramFolder() + L"bench-large-" + std::to_wstring(megabytes) + L"\\";
  const std::wstring temp = folder + L"temp\\";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  ::CreateDirectoryW(temp.c_str(), nullptr);
  ::SetEnvironmentVariableW(L"TMP", temp.c_str());
  ::SetEnvironmentVariableW(L"TEMP", temp.c_str());
  ::SetEnvironmentVariableW(L"MARKWASH_FAKE_OUTPUT_MB", std::to_wstring(megabytes).c_str());
  ::CopyFileW((ProgramFolder() + L"Markwash.dll").c_str(), (folder + L"Markwash.dll").c_str(), FALSE);
  ::CopyFileW((ProgramFolder() + L"fake_tidy_large.exe").c_str(), (folder + L"Tidy.exe").c_str(), FALSE);
  HMODULE library = ::LoadLibraryW((folder + L"Markwash.dll").c_str());
  if (!library) return 1;
  auto start = reinterpret_cast<StartFn>(::GetProcAddress(library, "pluginStart"));
  LargeRun run;
  HANDLE driver = ::CreateThread(nullptr, 0, DriveLarge, &run, 0, nullptr);
  HANDLE sampler = ::CreateThread(nullptr, 0, SampleMemory, &run, 0, nullptr);
  const char* result = start("<p>klein</p>", 0, 0);
  const double okSeconds = run.okClicked ? Seconds(run.okAt, Now()) : -1;
  run.returned = true;
  ::WaitForSingleObject(driver, INFINITE);
  ::WaitForSingleObject(sampler, INFINITE);
  ::CloseHandle(driver);
  ::CloseHandle(sampler);
  const double output = static_cast<double>(static_cast<size_t>(megabytes) << 20);
  const size_t resultSize = result ? std::strlen(result) : 0;
  std::printf("output %4d MB  handed back %s (%zu bytes)  OK to return %6.2f s  host before OK %7.1f MB"
              "  peak during OK %7.1f MB (%4.2fx output)\n",
              megabytes, resultSize >= output ? "yes" : "NO", resultSize, okSeconds,
              static_cast<double>(run.beforeOk) / (1 << 20), static_cast<double>(run.peakDuringOk) / (1 << 20),
              static_cast<double>(run.peakDuringOk) / output);
  std::fflush(stdout);
  ::FreeLibrary(library);
  return resultSize >= output ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring tidy;
  if (argc > 2 && std::wstring(argv[1]) == L"--large") return MeasureLarge(std::atoi(ToAnsi(argv[2]).c_str()));
  if (argc > 4 && std::wstring(argv[1]) == L"--one") {
    return MeasureOne(std::atoi(ToAnsi(argv[2]).c_str()), std::wstring(argv[3]) == L"messy", argv[4]);
  }
  if (argc > 1) {
    tidy = argv[1];
  } else {
    wchar_t buffer[MAX_PATH];
    const DWORD n = ::GetEnvironmentVariableW(L"MARKWASH_TIDY", buffer, MAX_PATH);
    tidy = n > 0 && n < MAX_PATH ? std::wstring(buffer, n) : ProgramFolder() + L"..\\..\\..\\tidy\\Tidy.exe";
  }
  std::printf("Whole plug-in run (click to results shown) against Tidy.exe alone, and host peak memory\n");
  std::fflush(stdout);
  std::vector<std::wstring> runs;
  for (const wchar_t* kind : {L"clean", L"messy"})
    for (int megabytes : {1, 5, 20})
      runs.push_back(L"--one " + std::to_wstring(megabytes) + L" " + kind + L" \"" + tidy + L"\"");
  for (int megabytes : {100, 200, 300}) runs.push_back(L"--large " + std::to_wstring(megabytes));
  int status = 0;
  for (const std::wstring& arguments : runs) {
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
      return 1;
    ::WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 1;
    ::GetExitCodeProcess(info.hProcess, &code);
    status |= static_cast<int>(code);
    ::CloseHandle(info.hProcess);
    ::CloseHandle(info.hThread);
  }
  return status;
}
