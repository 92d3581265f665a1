// Running Tidy across several calls of one loaded library: nothing of the
// user's is lost or silently changed (the Tidy checked is the Tidy run,
// output the editor cannot hold is not offered, a failed run offers nothing,
// temporary files never stay behind silently, a Tidy that ended during the
// stop question keeps its result, only OK reports kind 2), and the Tidy a
// user downloads today gets its own keys and encodings while an older one
// gets the option set as it is.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>

#include <string>

#include "rig/rig.h"

namespace {

using rig::Dialog;

// A run on a loaded machine: it may first ask a new program its version, and
// each start of a program under Wine then takes many seconds.
constexpr DWORD kRunBoxMs = 180000;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
std::string Memo(const Dialog& d, const char* name) { return rig::ToAnsi(d.Text(name)); }
std::string OutputPage(const Dialog& d) {
  d.SelectPage("Pages", 2);
  return Memo(d, "mOutput");
}
// A run that ends well puts the focus on O&K: it is waited for as long as a
// run on a loaded machine takes.
void RunTidy(const Dialog& d) {
  d.Focus(d.Get("bRunTidy"));
  d.Click("bRunTidy");
  EXPECT_TRUE(rig::WaitUntil([&] { return d.FocusedWindow() == d.Get("bOK"); }, kRunBoxMs)) << "the run did not end";
}
void SetNamedEvent(const wchar_t* name) {
  HANDLE event = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
  EXPECT_TRUE(event && ::SetEvent(event) && ::CloseHandle(event)) << rig::Narrow(name);
}

// Clicks "&Tidy starten" and answers the error box the run must show.
std::wstring RunToError(const Dialog& d, const std::wstring& part) {
  d.Click("bRunTidy");
  HWND box = rig::WaitForMessageBox(part, kRunBoxMs);
  const std::wstring text = box ? rig::MessageBoxText(box) : L"";
  if (box) rig::AnswerMessageBox(box, IDOK);
  d.Sync();
  return text;
}

// The Tidy that this process (the plug-in) is running.
HANDLE OpenRunningTidy(DWORD access = SYNCHRONIZE) {
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{sizeof entry};
  HANDLE found = nullptr;
  for (BOOL more = ::Process32FirstW(snapshot, &entry); more && !found; more = ::Process32NextW(snapshot, &entry))
    if (entry.th32ParentProcessID == ::GetCurrentProcessId() && ::lstrcmpiW(entry.szExeFile, L"Tidy.exe") == 0)
      found = ::OpenProcess(access, FALSE, entry.th32ProcessID);
  ::CloseHandle(snapshot);
  return found;
}

// Makes the creation of the next dialog window on this thread fail.
class RefuseNextDialog {
 public:
  RefuseNextDialog() { hook_ = ::SetWindowsHookExW(WH_CBT, Hook, nullptr, ::GetCurrentThreadId()); }
  ~RefuseNextDialog() { ::UnhookWindowsHookEx(hook_); }
  RefuseNextDialog(const RefuseNextDialog&) = delete;
  RefuseNextDialog& operator=(const RefuseNextDialog&) = delete;
  static inline bool refused = false;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && !refused) {
      const wchar_t* name = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->lpszClass;
      if (IS_INTRESOURCE(name) ? LOWORD(reinterpret_cast<ULONG_PTR>(name)) == 0x8002 : !::lstrcmpW(name, L"#32770"))
        return refused = true;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline HHOOK hook_ = nullptr;
};

DWORD WINAPI AnswerErrorBox(LPVOID text) {
  if (HWND box = rig::WaitForMessageBox(L"")) {
    *static_cast<std::wstring*>(text) = rig::MessageBoxText(box);
    rig::AnswerMessageBox(box, IDOK);
  } else if (HWND dialog = rig::FindTopWindow(L"Markwash Plugin")) {
    ::PostMessageW(dialog, WM_CLOSE, 0, 0);  // the dialog came after all
  }
  return 0;
}

TEST(Running, AnOlderTidyGetsTheOptionSetAsItIsTodaysItsOwnKeysAndEncodings) {
  rig::PluginFolder plugin("todays");
  // A default option file as saved before the HTML5 Tidy was known.
  const std::string stored = "markup: yes\r\nhide-endtags: yes\r\nadd-xml-pi: no\r\nalt-text: Bild \xFC\r\nchar-encoding: ascii\r\n";
  rig::WriteFileBytes(plugin.Path(L"Markwash.cfg"), stored);
  plugin.CopyProgramHere(L"fake_tidy_versions.exe", L"Tidy.exe");
  rig::WriteFileBytes(plugin.Path(L"version.txt"), "HTML Tidy for Windows released on 4 August 2000\r\n");
  auto hint = [](const Dialog& d) { return rig::Narrow(rig::HintText(d.window(), d.Get("lTidyPath"))); };
  rig::RunDialog(plugin, "<p>x", [&](Dialog& d) {
    ASSERT_TRUE(rig::WaitUntil([&] { return rig::FileExists(plugin.Path(L"asked.txt")); }))
        << "not asked once the dialog had opened";
    RunTidy(d);  // collects that answer
    RunTidy(d);
    EXPECT_EQ("-v\n", rig::ReadFileBytes(plugin.Path(L"asked.txt"))) << "asked once per file";
    EXPECT_TRUE(Has(hint(d), "\r\n\r\nVersion unbekannt")) << hint(d);
    d.Click("bAsDefaultOptions");
    d.Click("bCancel");
  });
  // The older Tidy got the option set byte for byte, and saving kept the old keys.
  const std::string saved = rig::ReadFileBytes(plugin.Path(L"Markwash.cfg"));
  EXPECT_EQ(saved, rig::ReadFileBytes(plugin.Path(L"seen.cfg")));
  EXPECT_TRUE(Has(saved, "\r\nhide-endtags: yes\r\n") && !Has(saved, "omit-optional-tags")) << saved;

  // Today's Tidy in its place is a new program: asked anew, it gets its own
  // keys (the end tags go) and the document read as code page 1252 (€ „ “ –).
  plugin.CopyTidyHere();
  const std::string document = "<title>T</title><p>eins<p>Preis 5 \x80 \x84ja\x93 \x96 <font>gut</font><img src=a.png>";
  const auto result = rig::RunDialog(plugin, document.c_str(), [&](Dialog& d) {
    for (const char* box : {"cbClean", "cbAltText"})
      if (!rig::IsChecked(d.Get(box))) d.Click(box);
    d.Sync();
    d.SetText("eAltText", L"Größe für Äpfel, Öl, Übel: 5 €");
    RunTidy(d);
    const std::string messages = rig::Narrow(d.Text("mErrors"));
    EXPECT_FALSE(Has(messages, "unknown option")) << messages;
    EXPECT_TRUE(Has(messages, "Markwash: Diese Tidy-Version kann in alt-text die Zeichen ß Ä Ö Ü € nicht lesen; "
                              "sie kommen verändert an.\r\n")) << messages;
    EXPECT_TRUE(Has(hint(d), "\r\n\r\nHTML Tidy 5.6.0")) << hint(d);
    d.SelectPage("Pages", 4);
    EXPECT_EQ(L"Das Plugin verwendet HTML Tidy 5.6.0.", d.Text("lTidyNeeded"));
    d.Click("bOK");
  });
  for (const char* part : {"<p>eins\r\n", "Preis 5 &euro; &bdquo;ja", "\"Gr&ouml;", "f&uuml;r "})
    EXPECT_TRUE(Has(result.text, part)) << part << " in " << result.text;
  for (const char* part : {"</p>", "<font"}) EXPECT_FALSE(Has(result.text, part)) << part << " in " << result.text;
}

// While a Tidy hangs on "-v" the dialog takes the user's work, and "Abbrechen"
// stops that Tidy and deletes its answer file.
TEST(Running, ATidyHangingOnItsVersionNeitherHoldsTheDialogNorOutlivesIt) {
  rig::PluginFolder plugin("hang");
  plugin.CopyProgramHere(L"fake_tidy_versions.exe", L"Tidy.exe");
  rig::WriteFileBytes(plugin.Path(L"version.txt"), "hang");
  auto tidyRuns = [](bool stop) {
    HANDLE tidy = OpenRunningTidy(PROCESS_TERMINATE);
    if (tidy && stop) ::TerminateProcess(tidy, 1);
    return tidy && ::CloseHandle(tidy);
  };
  rig::RunDialog(plugin, "<p>x", [&](Dialog& d) {
    ASSERT_TRUE(rig::WaitUntil([&] { return rig::FileExists(plugin.Path(L"asked.txt")); }));
    d.SelectPage("Pages", 3);
    EXPECT_EQ(3, d.ActivePage("Pages"));
    EXPECT_TRUE(tidyRuns(false)) << "the dialog waited for the answer";
    d.Click("bCancel");
  });
  EXPECT_TRUE(rig::WaitUntil([&] { return !tidyRuns(false); })) << "the hanging Tidy outlived the dialog";
  tidyRuns(true);  // a Tidy left behind would keep Wine up after the test
  EXPECT_TRUE(rig::WaitUntil([&] { return rig::ListFolder(plugin.tempFolder()).empty(); }));
}

TEST(Running, LibraryInAFolderBeyondMaxPath) {
  rig::PluginFolder plugin("lang\\" + std::string(120, 'a') + "\\" + std::string(120, 'b'));
  ASSERT_GT(plugin.Path(L"Markwash.dll").size(), static_cast<size_t>(MAX_PATH));
  const auto result = rig::RunDialog(plugin, "<p>x", [](Dialog& d) {
    EXPECT_EQ(L"O&K", d.Text("bOK"));
    d.Click("bCancel");
  });
  EXPECT_EQ(0, result.kind);
}

// Last: it moves the current directory.
TEST(Running, SafelyAcrossCallsOfOneLibrary) {
  rig::PluginFolder plugin("safety");
  // Tidy lies only in the current directory, not beside the library.
  const std::wstring current = plugin.Path(L"arbeit\\"), tidy = current + L"Tidy.exe";
  ::CreateDirectoryW(current.c_str(), nullptr);
  auto install = [&](const std::wstring& program) { return ::CopyFileW(program.c_str(), tidy.c_str(), FALSE) != FALSE; };
  auto fake = [](const wchar_t* name) { return rig::ProgramFolder() + L"fake_tidy_" + name + L".exe"; };
  ASSERT_TRUE(install(fake(L"echo")));
  ASSERT_TRUE(::SetCurrentDirectoryW(current.c_str()));

  const auto accepted = rig::RunDialog(plugin, "<p>x", [&](Dialog& d) {
    EXPECT_EQ(tidy, d.Text("lTidyPath"));
    RunTidy(d);  // the fake writes its command line: it names the file the label names
    EXPECT_EQ(0u, Memo(d, "mErrors").find(rig::ToAnsi(tidy) + " -config ")) << Memo(d, "mErrors");
    ASSERT_TRUE(rig::IsEnabled(d.Get("bOK")));

    // UTF-16 output would reach the editor cut at its first NUL byte.
    ASSERT_TRUE(install(rig::BuiltTidyPath()));
    d.Click("cbMarkup");
    d.Sync();  // the page switch is sent: it would overtake the posted click
    d.SelectPage("Pages", 3);
    d.SetText("mCfg", d.Text("mCfg") + L"output-encoding: utf16le\r\n");
    EXPECT_NE(std::wstring::npos, RunToError(d, L"Null-Bytes").find(L"Ausgabe-Kodierung"));
    EXPECT_TRUE(rig::IsEnabled(d.Get("bOK")));  // as before the run
    EXPECT_EQ("<p>x\r\n", OutputPage(d));

    // A run that fails after Tidy wrote its document offers no output.
    ASSERT_TRUE(install(fake(L"crash")));
    RunToError(d, L"(Exit-Code 0xC0000005)");
    EXPECT_TRUE(Has(Memo(d, "mErrors"), "(Exit-Code 0xC0000005)"));
    EXPECT_FALSE(rig::IsEnabled(d.Get("bOK")));
    EXPECT_EQ("", OutputPage(d));

    ASSERT_TRUE(install(fake(L"append")));
    RunTidy(d);
    d.Click("bOK");
  });
  EXPECT_EQ(2, accepted.kind);
  EXPECT_EQ("<p>x\r\n<!-- fake tidy -->\r\n", accepted.text);

  {  // A call whose dialog cannot be created hands back nothing, kind 0.
    RefuseNextDialog refuse;
    std::wstring error;
    HANDLE answerer = ::CreateThread(nullptr, 0, AnswerErrorBox, &error, 0, nullptr);
    const char* text = plugin.exports().start("<p>y", 0, 0);
    ::WaitForSingleObject(answerer, INFINITE);
    ::CloseHandle(answerer);
    EXPECT_TRUE(RefuseNextDialog::refused);
    EXPECT_FALSE(error.empty());
    EXPECT_STREQ("", text);
    EXPECT_EQ(0, plugin.exports().resultKind());
  }

  ASSERT_TRUE(install(fake(L"hold")));
  const auto cancelled = rig::RunDialog(plugin, "<p>z", [&](Dialog& d) {
    RunTidy(d);
    // The read-only message file is gone; the document still held open is named.
    auto left = rig::ListFolder(plugin.tempFolder());
    left.erase(std::remove_if(left.begin(), left.end(),  // the dialog's copy of the document
                              [](const std::wstring& name) { return name.rfind(L"Doc", 0) == 0; }),
               left.end());
    ASSERT_EQ(1u, left.size());
    const std::string leftName = rig::ToAnsi(left[0]);
    EXPECT_TRUE(Has(Memo(d, "mErrors"), leftName)) << Memo(d, "mErrors");
    SetNamedEvent(L"MarkwashReleaseHeldFile");
    // Replaceable once the child that held the document has gone.
    ASSERT_TRUE(rig::WaitUntil([&] { return install(fake(L"slow")); }));

    // Tidy ends while the stop question is open: Yes keeps its result.
    d.Click("bRunTidy");
    HWND question = rig::WaitForMessageBox(L"Soll Tidy.exe jetzt beendet werden?", kRunBoxMs);
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
    EXPECT_FALSE(Has(Memo(d, "mErrors"), leftName));  // named once
    EXPECT_EQ("<p>z\r\n<!-- slow tidy -->\r\n", OutputPage(d));
    d.Click("bCancel");
  });
  EXPECT_EQ(0, cancelled.kind);
  EXPECT_TRUE(rig::ListFolder(plugin.tempFolder()).empty()) << "the held document was deleted at the close";
}

}  // namespace
