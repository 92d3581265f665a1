// Nothing of the user's is lost or silently changed by a run, across several
// calls of one loaded library: the Tidy that was checked is the Tidy that
// runs, output the editor cannot hold is not offered, a failed run offers
// nothing, system errors name their file, temporary files never stay behind
// silently, a Tidy that ended during the stop question keeps its result,
// only a call that ends with OK reports result kind 2, and the host stand-in
// prints the text only when asked.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <string>

#include "rig/rig.h"

namespace {

using rig::Dialog;

constexpr auto npos = std::string::npos;
constexpr int kMessagesPage = 1;

std::string MemoText(const Dialog& d, const std::string& name) { return rig::ToAnsi(d.Text(name)); }

std::string OutputPage(const Dialog& d) {
  d.SelectPage("Pages", 2);
  return MemoText(d, "mOutput");
}

void RunTidy(const Dialog& d) {
  d.Click("bRunTidy");
  d.Sync();
}

// Clicks "&Tidy starten", answers the error box the run must show; its text.
// A run may first ask a newly installed program its version, and a loaded
// machine runs both slowly: the box is waited for long.
std::wstring RunToError(const Dialog& d, const std::wstring& part) {
  d.Click("bRunTidy");
  HWND box = rig::WaitForMessageBox(part, 4 * rig::kDefaultWaitMs);
  if (!box) {
    ADD_FAILURE() << "no error box saying " << rig::Narrow(part);
    return {};
  }
  const std::wstring text = rig::MessageBoxText(box);
  rig::AnswerMessageBox(box, IDOK);
  d.Sync();
  return text;
}

bool Install(const std::wstring& program, const std::wstring& target) {
  return ::CopyFileW(program.c_str(), target.c_str(), FALSE) != FALSE;
}

// No one else has the file open.
bool IsFree(const std::wstring& path) {
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(file);
  return true;
}

// The Tidy that the plug-in (this process) is running.
HANDLE OpenRunningTidy() {
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  HANDLE found = nullptr;
  for (BOOL more = ::Process32FirstW(snapshot, &entry); more && !found; more = ::Process32NextW(snapshot, &entry))
    if (entry.th32ParentProcessID == ::GetCurrentProcessId() && ::lstrcmpiW(entry.szExeFile, L"Tidy.exe") == 0)
      found = ::OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID);
  ::CloseHandle(snapshot);
  return found;
}

void SetNamedEvent(const wchar_t* name) {
  HANDLE event = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
  ASSERT_TRUE(event) << rig::Narrow(name);
  ::SetEvent(event);
  ::CloseHandle(event);
}

// Makes the creation of the next dialog window on this thread fail.
class RefuseNextDialog {
 public:
  RefuseNextDialog() { hook_ = ::SetWindowsHookExW(WH_CBT, Hook, nullptr, ::GetCurrentThreadId()); }
  ~RefuseNextDialog() { ::UnhookWindowsHookEx(hook_); }
  RefuseNextDialog(const RefuseNextDialog&) = delete;
  RefuseNextDialog& operator=(const RefuseNextDialog&) = delete;
  static bool refused() { return refused_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && !refused_) {
      const wchar_t* name = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->lpszClass;
      if (IS_INTRESOURCE(name) ? LOWORD(reinterpret_cast<ULONG_PTR>(name)) == 0x8002 : !::lstrcmpW(name, L"#32770"))
        return refused_ = true;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline HHOOK hook_ = nullptr;
  static inline bool refused_ = false;
};

DWORD WINAPI AnswerErrorBox(LPVOID param) {
  HWND box = rig::WaitForMessageBox(L"");
  if (box) {
    *static_cast<std::wstring*>(param) = rig::MessageBoxText(box);
    rig::AnswerMessageBox(box, IDOK);
  } else if (HWND dialog = rig::FindTopWindow(L"Markwash Plugin")) {
    ::PostMessageW(dialog, WM_CLOSE, 0, 0);  // the dialog came after all
  }
  return 0;
}

TEST(RunSafety, OneLibraryAcrossCalls) {
  rig::PluginFolder plugin("safety");
  // Tidy lies only in the current directory, not beside the library.
  const std::wstring current = plugin.Path(L"arbeit\\");
  ::CreateDirectoryW(current.c_str(), nullptr);
  const std::wstring tidy = current + L"Tidy.exe";
  ASSERT_TRUE(Install(rig::ProgramFolder() + L"fake_tidy_echo.exe", tidy));
  ASSERT_TRUE(::SetCurrentDirectoryW(current.c_str()));

  const auto accepted = rig::RunDialog(plugin, "<p>x", [&](Dialog& d) {
    EXPECT_EQ(tidy, d.Text("lTidyPath"));
    RunTidy(d);
    // The fake writes its own command line: it names the file the label names.
    const std::string commandLine = MemoText(d, "mErrors");
    EXPECT_EQ(0u, commandLine.find(rig::ToAnsi(tidy) + " -config ")) << commandLine;
    ASSERT_TRUE(rig::IsEnabled(d.Get("bOK")));

    // UTF-16 output would reach the editor cut at its first NUL byte.
    ASSERT_TRUE(Install(rig::BuiltTidyPath(), tidy));
    d.Click("cbMarkup");
    d.SelectPage("Pages", 3);
    d.SetText("mCfg", d.Text("mCfg") + L"output-encoding: utf16le\r\n");
    EXPECT_NE(npos, RunToError(d, L"Null-Bytes").find(L"Ausgabe-Kodierung"));
    EXPECT_NE(npos, MemoText(d, "mErrors").find("Null-Bytes"));
    EXPECT_TRUE(rig::IsEnabled(d.Get("bOK")));  // as before the run
    EXPECT_EQ("<p>x\r\n", OutputPage(d));

    // A run that fails after Tidy wrote its document offers no output.
    ASSERT_TRUE(Install(rig::ProgramFolder() + L"fake_tidy_crash.exe", tidy));
    RunToError(d, L"(Exit-Code 0xC0000005)");
    EXPECT_EQ(kMessagesPage, d.ActivePage("Pages"));
    EXPECT_NE(npos, MemoText(d, "mErrors").find("(Exit-Code 0xC0000005)"));
    EXPECT_FALSE(rig::IsEnabled(d.Get("bOK")));
    EXPECT_EQ("", OutputPage(d));

    // The system's text for a file that is no program names the file.
    rig::WriteFileBytes(tidy, "kein Programm");
    const std::wstring error = RunToError(d, L"Win32 Error.  Code: 193.");
    EXPECT_NE(npos, error.find(tidy)) << rig::Narrow(error);
    EXPECT_EQ(npos, error.find(L"%1")) << rig::Narrow(error);

    ASSERT_TRUE(Install(rig::ProgramFolder() + L"fake_tidy_append.exe", tidy));
    RunTidy(d);
    d.Click("bOK");
  });
  EXPECT_EQ(2, accepted.kind);
  EXPECT_EQ("<p>x\r\n<!-- fake tidy -->\r\n", accepted.text);

  // A call whose dialog cannot be created hands back nothing, kind 0.
  {
    RefuseNextDialog refuse;
    std::wstring error;
    HANDLE answerer = ::CreateThread(nullptr, 0, AnswerErrorBox, &error, 0, nullptr);
    const char* text = plugin.exports().start("<p>y", 0, 0);
    ::WaitForSingleObject(answerer, INFINITE);
    ::CloseHandle(answerer);
    EXPECT_TRUE(RefuseNextDialog::refused());
    EXPECT_FALSE(error.empty());
    EXPECT_STREQ("", text);
    EXPECT_EQ(0, plugin.exports().resultKind());
  }

  ASSERT_TRUE(Install(rig::ProgramFolder() + L"fake_tidy_hold.exe", tidy));
  const auto cancelled = rig::RunDialog(plugin, "<p>z", [&](Dialog& d) {
    RunTidy(d);
    // The read-only message file is gone; the document still open is named.
    const auto left = rig::ListFolder(plugin.tempFolder());
    ASSERT_EQ(1u, left.size());
    const std::string leftName = rig::ToAnsi(left[0]);
    EXPECT_NE(npos, MemoText(d, "mErrors").find(leftName)) << MemoText(d, "mErrors");
    SetNamedEvent(L"MarkwashReleaseHeldFile");
    ASSERT_TRUE(rig::WaitUntil([&] { return IsFree(plugin.tempFolder() + left[0]); }));
    // Replaceable once the child that held the document has gone.
    ASSERT_TRUE(rig::WaitUntil([&] { return Install(rig::ProgramFolder() + L"fake_tidy_slow.exe", tidy); }));

    // Tidy ends while the stop question is open: Yes keeps its result.
    d.Click("bRunTidy");
    HWND question = rig::WaitForMessageBox(L"Soll Tidy.exe jetzt beendet werden?", 45000);
    ASSERT_TRUE(question);
    HANDLE running = OpenRunningTidy();
    ASSERT_TRUE(running);
    SetNamedEvent(L"MarkwashLetTidyEnd");
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(running, rig::kDefaultWaitMs));
    ::CloseHandle(running);
    rig::AnswerMessageBox(question, IDYES);
    d.Sync();
    EXPECT_EQ(nullptr, rig::OpenMessageBox());
    EXPECT_TRUE(rig::IsEnabled(d.Get("bOK")));
    EXPECT_EQ(npos, MemoText(d, "mErrors").find(leftName));  // named once
    EXPECT_EQ("<p>z\r\n<!-- slow tidy -->\r\n", OutputPage(d));
    d.Click("bCancel");
  });
  EXPECT_EQ(0, cancelled.kind);
  // The document left behind was deleted when the dialog closed.
  EXPECT_TRUE(rig::ListFolder(plugin.tempFolder()).empty());
}

// The host stand-in run headless on the document, as a person would start
// it from a shell; what it printed.
std::string RunHost(const rig::PluginFolder& plugin, const std::string& flags) {
  rig::WriteFileBytes(plugin.Path(L"input.html"), "<p>h");
  std::string printed;
  EXPECT_EQ(0, rig::RunUnixScript("cd '" + rig::UnixPath(plugin.folder()) + "' && wine '" +
                                      rig::UnixPath(rig::ProgramFolder() + L"markwash-host.exe") + "' --headless " +
                                      flags + " Markwash.dll input.html output.html </dev/null 2>/dev/null",
                                  &printed, 120000));
  return printed;
}

TEST(RunSafety, HostStandInPrintsKindAndSizeAndTheTextOnlyOnRequest) {
  rig::PluginFolder plugin("safety-host");
  plugin.CopyProgramHere(L"fake_tidy_append.exe", L"Tidy.exe");
  const std::string quiet = RunHost(plugin, "");
  EXPECT_NE(npos, quiet.find("Ergebnisart: 2")) << quiet;
  EXPECT_NE(npos, quiet.find("Bytes: 26")) << quiet;
  EXPECT_EQ(npos, quiet.find("fake tidy")) << quiet;
  EXPECT_EQ("<p>h\r\n<!-- fake tidy -->\r\n", rig::ReadFileBytes(plugin.Path(L"output.html")));
  EXPECT_NE(npos, RunHost(plugin, "--print").find("<!-- fake tidy -->"));
}

TEST(RunSafety, LibraryInAFolderBeyondMaxPath) {
  rig::PluginFolder plugin("lang\\" + std::string(120, 'a') + "\\" + std::string(120, 'b'));
  ASSERT_GT(plugin.Path(L"Markwash.dll").size(), static_cast<size_t>(MAX_PATH));
  const auto result = rig::RunDialog(plugin, "<p>x", [](Dialog& d) {
    EXPECT_EQ(L"O&K", d.Text("bOK"));
    d.Click("bCancel");
  });
  EXPECT_EQ(0, result.kind);
}

}  // namespace
