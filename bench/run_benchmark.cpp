// run_benchmark.exe: the cost of the plug-in around Tidy. For clean and messy
// documents of 1, 5 and 20 MB and a documentation page of about 2 MB it times
// a whole plug-in run (from the click on "&Tidy starten" until the results are
// shown) against running the same Tidy.exe directly on the same document with
// the same configuration, and reports the host process's peak memory above
// its level before pluginStart against the document size. After the 20 MB
// messy run it scrolls the messages from top to bottom by PgDn and reports
// the time per key. Each run has a fresh process of its own, so that the
// peaks do not carry over. Every case is timed several times (3 to 7), the
// plug-in and Tidy alone in turn, and the table takes the best of each: on a shared
// machine a run can only be slowed by others, never sped up. The memory is
// sampled in a run of its own, so that the sampling does not slow a timed one.
// Then, with a stand-in Tidy that writes 100, 200 and 300 MB of output for a
// small document, it hands the output back and reports the host's peak
// memory during "O&K" against the output size.
//   run_benchmark.exe [Tidy.exe]      (default: MARKWASH_TIDY or ..\..\tidy\Tidy.exe)
//   run_benchmark.exe --one <MB> clean|messy|docpage timed|memory|pgdn <Tidy.exe> <figures file>
//                                     (one run; appends its figures to the file)
//   run_benchmark.exe --table <figures file>   (the table of runs made with --one)
//   run_benchmark.exe --large <MB>    (one large-output case)
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "child_process.h"
#include "dialog_access.h"
#include "documents.h"
#include "memory_peak.h"
#include "page_down_scroll.h"
#include "stopwatch.h"
#include "summary_table.h"
#include "win32/common/unique_handle.h"
#include "win32/runner/run_configuration_file.h"
#include "win32/runner/tidy_version_probe.h"

namespace bench {
namespace {

using StartFn = const char*(WINAPI*)(const char*, int, int);

// The DLL's entry point; through void*, as the export's type is known only here.
StartFn PluginStart(HMODULE library) {
  return reinterpret_cast<StartFn>(reinterpret_cast<void*>(::GetProcAddress(library, "pluginStart")));
}

// The scroll through the messages stops here at the latest, so that a slow
// view cannot hold the benchmark for hours; the figures say how far it got.
constexpr int kMaxPageDownKeys = 100000;
constexpr double kMaxPageDownSeconds = 300;

// How often each document is timed: a small one often, as a second's run
// varies most with what else the machine does.
int TimedRuns(int megabytes) { return megabytes <= 2 ? 7 : megabytes <= 5 ? 5 : 3; }

// A user reads the dialog before clicking; the dialog may use that moment
// (it asks the Tidy it found for its version meanwhile).
constexpr DWORD kUserReadsMs = 1500;

ScopedHandle StartThread(LPTHREAD_START_ROUTINE routine, void* param) {
  return ScopedHandle(::CreateThread(nullptr, 0, routine, param, 0, nullptr));
}

// Starts `command` (shown minimised and inactive if asked) and returns its process, or an empty handle.
ScopedHandle StartProcess(std::wstring command, bool minimised) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (minimised) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINNOACTIVE;
  }
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
    return ScopedHandle();
  ::CloseHandle(info.hThread);
  return ScopedHandle(info.hProcess);
}

std::wstring ProgramFolder() {
  wchar_t buffer[MAX_PATH];
  const DWORD n = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  std::wstring path(buffer, n);
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::string ToAnsi(const std::wstring& text) {
  const int n = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      nullptr);
  std::string bytes(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
  return bytes;
}

// A folder of the run's own beside the program, with the DLL and Tidy.exe in
// it and TMP/TEMP pointing into it.
std::wstring PrepareRunFolder(const std::wstring& name, const std::wstring& tidy) {
  const std::wstring folder = ProgramFolder() + name + L"\\";
  const std::wstring temp = folder + L"temp\\";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  ::CreateDirectoryW(temp.c_str(), nullptr);
  ::SetEnvironmentVariableW(L"TMP", temp.c_str());
  ::SetEnvironmentVariableW(L"TEMP", temp.c_str());
  ::CopyFileW((ProgramFolder() + L"Markwash.dll").c_str(), (folder + L"Markwash.dll").c_str(), FALSE);
  ::CopyFileW(tidy.c_str(), (folder + L"Tidy.exe").c_str(), FALSE);
  return folder;
}

struct Drive {
  RunMode mode = RunMode::kTimed;
  std::atomic<double> pluginSeconds{-1};
  std::atomic<double> tidyInsideSeconds{-1};  // the lifetime of the Tidy.exe the run started
  std::wstring script;
  PageDownFigures pageDown;
};

// The second thread: sets up the run as a user would, clicks, waits for the
// results to be shown, scrolls the messages if asked, and accepts them.
DWORD WINAPI DriveRun(LPVOID param) {
  auto* drive = static_cast<Drive*>(param);
  HWND dialog = nullptr;
  if (!WaitFor([&] { return (dialog = FindDialog()) != nullptr; }, 20)) return 1;
  HWND markup = Control(dialog, "cbMarkup");
  if (::SendMessageW(markup, BM_GETCHECK, 0, 0) != BST_CHECKED) ::SendMessageW(markup, BM_CLICK, 0, 0);
  // The configuration the run will use, for the direct run of Tidy.
  HWND pages = Control(dialog, "Pages");
  ::SendMessageW(pages, TCM_SETCURFOCUS, 3, 0);
  drive->script = WindowText(Control(dialog, "mCfg"));
  HWND ok = Control(dialog, "bOK");
  ::Sleep(kUserReadsMs);
  FILETIME clicked;
  ::GetSystemTimeAsFileTime(&clicked);
  const LARGE_INTEGER start = Now();
  ::PostMessageW(Control(dialog, "bRunTidy"), BM_CLICK, 0, 0);
  // While Tidy works, this thread waits for it without a sound: Tidy alone
  // is not watched by anybody either. Then the dialog is watched, its
  // button's state first, which costs the dialog's thread nothing; asking the
  // tab control for its page would interrupt it.
  const ScopedHandle tidy = WaitForChildProcess(L"Tidy.exe", clicked, kWaitLimitMs);
  if (tidy) ::WaitForSingleObject(tidy.get(), kWaitLimitMs);
  const bool shown = WaitFor([&] { return ::IsWindowEnabled(ok) != FALSE; }) &&
                     WaitFor([&] { return ::SendMessageW(pages, TCM_GETCURSEL, 0, 0) == 1; });
  // Shown means drawn: a view that lays out its rows when it paints has
  // done so when this returns.
  if (shown) ::RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  drive->pluginSeconds = shown ? Seconds(start, Now()) : -1;
  if (tidy) drive->tidyInsideSeconds = LifetimeSeconds(tidy.get());
  if (shown && drive->mode == RunMode::kPageDown)
    drive->pageDown = ScrollByPageDown(MessagesView(dialog), kMaxPageDownKeys, kMaxPageDownSeconds);
  ::PostMessageW(ok, BM_CLICK, 0, 0);
  return 0;
}

long CountLines(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  long lines = 0;
  for (std::string line; std::getline(file, line);) ++lines;
  return lines;
}

struct DirectRun {
  double seconds = -1;
  double lifetime = -1;  // of the process itself, without starting it and learning of its end
  long messageLines = 0;
};

// Tidy.exe run as the plug-in runs it, on the plug-in's configuration.
DirectRun RunTidyDirectly(const std::wstring& tidy, const std::wstring& folder, const std::string& document,
                          const std::string& config) {
  const std::wstring doc = folder + L"direct.html", cfg = folder + L"direct.cfg", err = folder + L"direct.err";
  std::ofstream(doc.c_str(), std::ios::binary) << document;
  std::ofstream(cfg.c_str(), std::ios::binary) << config;
  // The translation the plug-in makes for the Tidy that runs (new key names,
  // the input encoding), so that both runs give Tidy the same work.
  const markwash::TidyKind kind = markwash::win32::TidyVersionProbe().Known(ToAnsi(tidy)).kind;
  markwash::win32::AdaptRunConfiguration(ToAnsi(cfg), kind);
  std::wstring command = L"\"" + tidy + L"\" -config \"" + cfg + L"\" -modify -f \"" + err + L"\" \"" + doc + L"\"";
  DirectRun run;
  const LARGE_INTEGER start = Now();
  if (const ScopedHandle tidyProcess = StartProcess(command, true)) {
    ::WaitForSingleObject(tidyProcess.get(), INFINITE);
    run.seconds = Seconds(start, Now());
    run.lifetime = LifetimeSeconds(tidyProcess.get());
    run.messageLines = CountLines(err);
  }
  ::DeleteFileW(doc.c_str());
  ::DeleteFileW(cfg.c_str());
  ::DeleteFileW(err.c_str());
  return run;
}

void PrintRun(const RunFigures& run, double leftMultiple) {
  std::printf("%-7s %6.2f MB  %7ld message lines  plug-in %7.3f s  Tidy alone %7.3f s  ratio %5.3f",
              KindName(run.kind), run.megabytes, run.messageLines, run.pluginSeconds, run.tidySeconds,
              run.tidySeconds > 0 ? run.pluginSeconds / run.tidySeconds : 0.0);
  std::printf("  around Tidy %5.1f ms (alone %5.1f ms)", 1000 * run.pluginAroundSeconds, 1000 * run.tidyAroundSeconds);
  if (run.mode == RunMode::kMemory)
    std::printf("  host peak +%4.2fx document (left after return +%4.2fx)", run.memoryMultiple, leftMultiple);
  std::printf("\n");
  if (run.mode == RunMode::kPageDown) {
    const PageDownFigures& keys = run.pageDown;
    std::printf("        PgDn through the messages: %d keys, slowest %.1f ms, mean %.2f ms, %s\n", keys.keys,
                keys.slowestMs, keys.meanMs, keys.reachedEnd ? "to the end" : "stopped before the end");
    std::printf("        99th percentile %.1f ms, 99.9th %.1f ms, %d keys over 20 ms\n", keys.p99Ms, keys.p999Ms,
                keys.keysOver20Ms);
  }
  std::fflush(stdout);
}

// One run, in this process: prints its line and appends its figures to `figuresFile`.
int MeasureOne(int megabytes, DocumentKind kind, RunMode mode, const std::wstring& tidy,
               const std::wstring& figuresFile) {
  const std::string kindName = KindName(kind);
  const std::wstring folder = PrepareRunFolder(
      L"bench-" + std::to_wstring(megabytes) + L"-" + std::wstring(kindName.begin(), kindName.end()), tidy);
  HMODULE library = ::LoadLibraryW((folder + L"Markwash.dll").c_str());
  const StartFn start = library ? PluginStart(library) : nullptr;
  if (!start) return 1;
  const std::string document = MakeDocument(kind, static_cast<size_t>(megabytes) << 20);
  Drive drive;
  drive.mode = mode;
  RunFigures figures;
  double leftMultiple = 0;
  {
    std::unique_ptr<PeakWatch> memory;
    if (mode == RunMode::kMemory) memory = std::make_unique<PeakWatch>();
    const ScopedHandle driver = StartThread(DriveRun, &drive);
    start(document.c_str(), 0, 0);
    ::WaitForSingleObject(driver.get(), INFINITE);
    if (memory) {
      figures.memoryMultiple =
          static_cast<double>(memory->StopAndGetPeakAbove()) / static_cast<double>(document.size());
      leftMultiple = static_cast<double>(memory->LeftAbove()) / static_cast<double>(document.size());
    }
  }
  const DirectRun direct = RunTidyDirectly(folder + L"Tidy.exe", folder, document, ToAnsi(drive.script));
  figures.kind = kind;
  figures.megabytes = static_cast<double>(document.size()) / (1 << 20);
  figures.messageLines = direct.messageLines;
  figures.pluginSeconds = drive.pluginSeconds;
  figures.tidySeconds = direct.seconds;
  // What each adds to the Tidy process's own life: the plug-in's run, and
  // starting Tidy and learning of its end, which Tidy alone costs too.
  if (drive.tidyInsideSeconds > 0) figures.pluginAroundSeconds = drive.pluginSeconds - drive.tidyInsideSeconds;
  if (direct.lifetime > 0) figures.tidyAroundSeconds = direct.seconds - direct.lifetime;
  figures.mode = mode;
  figures.pageDown = drive.pageDown;
  PrintRun(figures, leftMultiple);
  ::FreeLibrary(library);
  AppendFigures(figuresFile, figures);
  return figures.pluginSeconds > 0 ? 0 : 1;
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
  if (!WaitFor([&] { return (run->dialog = FindDialog()) != nullptr; }, 20)) return 1;
  HWND ok = Control(run->dialog, "bOK");
  ::PostMessageW(Control(run->dialog, "bRunTidy"), BM_CLICK, 0, 0);
  if (!WaitFor([&] { return ::IsWindowEnabled(ok) != FALSE; }, 20)) return 1;
  run->beforeOk = PrivateBytes();
  run->okAt = Now();
  run->okClicked = true;
  ::PostMessageW(ok, BM_CLICK, 0, 0);
  return 0;
}

DWORD WINAPI SampleMemory(LPVOID param) {
  auto* run = static_cast<LargeRun*>(param);
  while (!run->returned) {
    if (run->okClicked && PrivateBytes() > run->peakDuringOk) run->peakDuringOk = PrivateBytes();
    ::Sleep(1);
  }
  return 0;
}

int MeasureLarge(int megabytes) {
  ::SetEnvironmentVariableW(L"MARKWASH_FAKE_OUTPUT_MB", std::to_wstring(megabytes).c_str());
  const std::wstring folder =
      PrepareRunFolder(L"bench-large-" + std::to_wstring(megabytes), ProgramFolder() + L"fake_tidy_large.exe");
  HMODULE library = ::LoadLibraryW((folder + L"Markwash.dll").c_str());
  const StartFn start = library ? PluginStart(library) : nullptr;
  if (!start) return 1;
  LargeRun run;
  const ScopedHandle driver = StartThread(DriveLarge, &run);
  const ScopedHandle sampler = StartThread(SampleMemory, &run);
  const char* result = start("<p>klein</p>", 0, 0);
  const double okSeconds = run.okClicked ? Seconds(run.okAt, Now()) : -1;
  run.returned = true;
  ::WaitForSingleObject(driver.get(), INFINITE);
  ::WaitForSingleObject(sampler.get(), INFINITE);
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

// Runs this program again with `arguments` and waits for it; its exit code.
int RunChild(const std::wstring& arguments) {
  wchar_t self[MAX_PATH];
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  const ScopedHandle child = StartProcess(L"\"" + std::wstring(self) + L"\" " + arguments, false);
  if (!child) return 1;
  ::WaitForSingleObject(child.get(), INFINITE);
  DWORD code = 1;
  ::GetExitCodeProcess(child.get(), &code);
  return static_cast<int>(code);
}

std::wstring DefaultTidy() {
  wchar_t buffer[MAX_PATH];
  const DWORD n = ::GetEnvironmentVariableW(L"MARKWASH_TIDY", buffer, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::wstring(buffer, n) : ProgramFolder() + L"..\\..\\..\\tidy\\Tidy.exe";
}

int RunAll(const std::wstring& tidy) {
  const std::wstring figuresFile = ProgramFolder() + L"bench-figures.txt";
  ::DeleteFileW(figuresFile.c_str());
  std::printf("Whole plug-in run (click to results shown) against Tidy.exe alone, and host peak memory\n");
  std::fflush(stdout);
  auto one = [&](int megabytes, const wchar_t* kind, RunMode mode) {
    return L"--one " + std::to_wstring(megabytes) + L" " + kind + L" " + ModeName(mode) + L" \"" + tidy + L"\" \"" +
           figuresFile + L"\"";
  };
  std::vector<std::wstring> runs;
  auto add = [&](int megabytes, const wchar_t* kind) {
    for (int i = 0; i < TimedRuns(megabytes); ++i) runs.push_back(one(megabytes, kind, RunMode::kTimed));
    runs.push_back(one(megabytes, kind, RunMode::kMemory));
  };
  for (const wchar_t* kind : {L"clean", L"messy"})
    for (int megabytes : {1, 5, 20}) add(megabytes, kind);
  add(2, L"docpage");
  // The largest list of messages is the one to scroll.
  runs.push_back(one(20, L"messy", RunMode::kPageDown));
  int status = 0;
  for (const std::wstring& arguments : runs) status |= RunChild(arguments);
  PrintSummary(ReadFigures(figuresFile));
  std::printf("\nHanding back large output on \"O&K\"\n");
  std::fflush(stdout);
  for (int megabytes : {100, 200, 300}) status |= RunChild(L"--large " + std::to_wstring(megabytes));
  return status;
}

}  // namespace
}  // namespace bench

int wmain(int argc, wchar_t** argv) {
  using namespace bench;
  if (argc > 2 && std::wstring(argv[1]) == L"--table") return PrintSummary(ReadFigures(argv[2])), 0;
  if (argc > 2 && std::wstring(argv[1]) == L"--large") return MeasureLarge(std::atoi(ToAnsi(argv[2]).c_str()));
  if (argc > 6 && std::wstring(argv[1]) == L"--one") {
    DocumentKind kind;
    if (!KindFromName(ToAnsi(argv[3]), &kind)) return 2;
    RunMode mode;
    if (!ModeFromName(argv[4], &mode)) return 2;
    return MeasureOne(std::atoi(ToAnsi(argv[2]).c_str()), kind, mode, argv[5], argv[6]);
  }
  return RunAll(argc > 1 ? argv[1] : DefaultTidy());
}
