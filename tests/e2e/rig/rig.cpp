#include "rig/rig.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <utility>

#include "win32/common/text_encoding.h"

namespace rig {
namespace {

namespace fs = std::filesystem;
using WindowTest = std::function<bool(HWND)>;

BOOL CALLBACK StopAtMatch(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<std::pair<const WindowTest*, HWND>*>(param);
  if ((*search->first)(window)) search->second = window;
  return !search->second;
}

// The first top-level window (no parent) or child window that passes the test.
HWND FirstWindow(HWND parent, const WindowTest& test) {
  std::pair<const WindowTest*, HWND> search{&test, nullptr};
  const auto param = reinterpret_cast<LPARAM>(&search);
  parent ? ::EnumChildWindows(parent, StopAtMatch, param) : ::EnumWindows(StopAtMatch, param);
  return search.second;
}

bool IsOwnVisibleWindow(HWND window) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  return pid == ::GetCurrentProcessId() && ::IsWindowVisible(window);
}

bool IsOwnDialogBox(HWND window) { return IsOwnVisibleWindow(window) && ClassName(window) == L"#32770"; }

// A message box of this process whose text contains `part` (any, for null).
HWND FindMessageBox(const std::wstring* part) {
  return FirstWindow(nullptr, [part](HWND window) {
    HWND text = IsOwnDialogBox(window) ? ::GetDlgItem(window, 0xFFFF) : nullptr;  // a message box's text
    return text && (!part || WindowText(text).find(*part) != std::wstring::npos);
  });
}

// The plug-in's dialog: the window that holds its page control.
HWND FindPluginDialog() {
  return FirstWindow(nullptr, [](HWND window) { return IsOwnDialogBox(window) && Dialog(window).Find("Pages"); });
}

// A hidden window of the main thread: a message posted to it is handled only
// after every message posted to that thread before it.
std::atomic<long> g_markerSeen{0}, g_markerPosted{0};
HWND g_marker = nullptr;

LRESULT CALLBACK MarkerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_APP) return ::DefWindowProcW(window, message, wParam, lParam);
  g_markerSeen = static_cast<long>(wParam);
  return 0;
}

HWND CreateMarker() {
  WNDCLASSW wc{0, MarkerProc, 0, 0, ::GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, nullptr, L"MarkwashRigMarker"};
  ::RegisterClassW(&wc);
  return ::CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

// 32-bit pixels, row by row, of what `paint` draws into a bitmap of that size.
std::vector<std::uint32_t> Capture(int width, int height, const std::function<void(HDC)>& paint) {
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
  HDC memory = ::CreateCompatibleDC(nullptr);
  BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  paint(memory);
  ::GdiFlush();
  if (bits) std::memcpy(pixels.data(), bits, pixels.size() * sizeof(std::uint32_t));
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  return pixels;
}

// The commands a CommandRecorder has seen.
std::mutex g_commandsLock;
std::vector<std::pair<int, int>> g_commands;
HWND g_recorded = nullptr;

LRESULT CALLBACK RecordCommand(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == WM_COMMAND && call->hwnd == g_recorded) {
    std::lock_guard<std::mutex> lock(g_commandsLock);
    g_commands.emplace_back(LOWORD(call->wParam), HIWORD(call->wParam));
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// A dialog window of this process other than the plug-in's dialog: a message
// box, a file dialog, the folder browser.
HWND OpenSideDialog() {
  return FirstWindow(nullptr, [](HWND window) { return IsOwnDialogBox(window) && !Dialog(window).Find("Pages"); });
}

// Waits until the window is gone; false when the limit passes first.
bool WaitUntilClosed(HWND window, DWORD limitMs = kDefaultWaitMs) {
  return WaitUntil([&] { return !::IsWindow(window) || !::IsWindowVisible(window); }, limitMs);
}

// The dialog's hint window (a tooltip control that it owns).
HWND HintWindowOf(HWND dialog) {
  return FirstWindow(nullptr, [dialog](HWND window) {
    return ::GetWindow(window, GW_OWNER) == dialog && ClassName(window) == TOOLTIPS_CLASSW;
  });
}

// The second thread: finds the dialog, runs the script, then closes whatever
// is still open so that pluginStart comes back; a plug-in that never comes
// back ends the test program rather than hanging the run.
struct DriverJob {
  const std::function<void(Dialog&)>& script;
  HANDLE returned;
};

DWORD WINAPI DriveDialog(LPVOID param) {
  const auto& [script, returned] = *static_cast<DriverJob*>(param);
  HWND window = nullptr;  // the dialog, not a message box with its title that it may show at once
  if (WaitUntil([&] { return (window = FindPluginDialog()) != nullptr; })) {
    Dialog dialog(window);
    script(dialog);
  } else {
    HWND box = OpenMessageBox();
    ADD_FAILURE() << "the dialog did not appear" << (box ? "; a message box says: " + Narrow(MessageBoxText(box)) : "");
  }
  for (int round = 0; round < 20 && ::WaitForSingleObject(returned, 0) == WAIT_TIMEOUT; ++round) {
    if (HWND box = OpenMessageBox()) {
      for (int answer : {IDCANCEL, IDNO, IDOK}) AnswerMessageBox(box, answer);
    } else if (HWND side = OpenSideDialog()) {
      ::PostMessageW(side, WM_COMMAND, IDCANCEL, 0);
    } else if (HWND open = FindPluginDialog()) {
      ::PostMessageW(open, WM_CLOSE, 0, 0);
    }
    ::WaitForSingleObject(returned, 500);
  }
  if (::WaitForSingleObject(returned, 30000) == WAIT_TIMEOUT) {
    std::fputs("rig: pluginStart did not return; giving up\n", stderr);
    ::TerminateProcess(::GetCurrentProcess(), 3);
  }
  return 0;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD limitMs) {
  for (const DWORD start = ::GetTickCount(); !condition(); ::Sleep(20))
    if (::GetTickCount() - start > limitMs) return false;
  return true;
}

std::wstring Widen(const std::string& utf8) { return markwash::win32::Utf8ToWide(utf8); }
std::string Narrow(const std::wstring& wide) { return markwash::win32::WideToUtf8(wide); }
std::string ToAnsi(const std::wstring& wide) { return markwash::win32::WideToAnsi(wide); }
std::wstring FromAnsi(const std::string& ansi) { return markwash::win32::AnsiToWide(ansi); }

std::wstring ProgramFolder() {
  wchar_t buffer[MAX_PATH];
  const std::wstring path(buffer, ::GetModuleFileNameW(nullptr, buffer, MAX_PATH));
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::wstring BuiltTidyPath() {
  wchar_t buffer[MAX_PATH];
  const DWORD n = ::GetEnvironmentVariableW(L"MARKWASH_TIDY", buffer, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::wstring(buffer, n) : ProgramFolder() + L"..\\..\\..\\tidy\\Tidy.exe";
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream(path.c_str(), std::ios::binary) << bytes;
}

std::vector<std::wstring> ListFolder(const std::wstring& folder) {
  std::vector<std::wstring> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) names.push_back(entry.path().filename().wstring());
  return names;
}

std::string UnixPath(const std::wstring& windowsPath) {
  // Wine's own answer, for any of its drives.
  using UnixName = char*(CDECL*)(const wchar_t*);
  static const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  char* name = unixName ? unixName(windowsPath.c_str()) : nullptr;
  if (!name) {
    ADD_FAILURE() << "no Unix path for " << Narrow(windowsPath);
    return {};
  }
  std::string path(name);
  ::HeapFree(::GetProcessHeap(), 0, name);
  return path;
}

std::wstring RepositoryFolder(const std::wstring& toolName) {
  for (fs::path folder = fs::path(ProgramFolder()).parent_path(); folder.has_relative_path();
       folder = folder.parent_path())
    if (FileExists(folder.wstring() + L"\\tools\\" + toolName)) return folder.wstring() + L"\\";
  ADD_FAILURE() << "no folder above the program holds tools\\" << Narrow(toolName);
  return {};
}

int RunUnixScript(const std::string& script, std::string* output, DWORD limitMs) {
  // Wine starts the process but hands back no handle to wait on, so the end
  // is marked by a status file that appears in one step (rename).
  static std::atomic<long> counter{0};
  const std::string base =
      "/tmp/markwash-rig-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++counter);
  auto windows = [](const std::string& unixPath) { return L"Z:" + FromAnsi(unixPath); };
  WriteFileBytes(windows(base + ".sh"), "( " + script + "\n) >" + base + ".out 2>&1\necho $? >" + base +
                                            ".tmp\nmv " + base + ".tmp " + base + ".status\n");
  std::string command = "/bin/sh " + base + ".sh";
  STARTUPINFOA si{sizeof si};
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    ADD_FAILURE() << "cannot start " << command << ", error " << ::GetLastError();
    return -1;
  }
  for (HANDLE handle : {pi.hProcess, pi.hThread}) ::CloseHandle(handle);
  const std::wstring status = windows(base + ".status");
  const bool ended = WaitUntil([&] { return FileExists(status); }, limitMs);
  if (output) *output = ReadFileBytes(windows(base + ".out"));
  const int code = ended ? std::atoi(ReadFileBytes(status).c_str()) : -1;
  for (const char* ext : {".sh", ".out", ".status"}) ::DeleteFileW(windows(base + ext).c_str());
  return code;
}

ImmutablePath::ImmutablePath(std::wstring path) : path_(std::move(path)) {
  RunUnixScript("[ \"$(id -u)\" -ne 0 ] || chattr +i '" + UnixPath(path_) + "'");
}

ImmutablePath::~ImmutablePath() { RunUnixScript("[ \"$(id -u)\" -ne 0 ] || chattr -i '" + UnixPath(path_) + "'"); }

PluginFolder::PluginFolder(const std::string& testName) {
  // On the Wine prefix's own drive: the folder browser walks down to the
  // plug-in's folder from the drive, and on drive Z: (the machine's root)
  // Wine's volume queries meet the machine's disk device, which a container
  // may refuse; there the browser's walk was seen to stop short.
  folder_ = std::wstring(kWorkRoot) + Widen(testName) + L"\\";
  temp_ = folder_ + L"temp\\";
  std::error_code error;
  fs::remove_all(folder_, error);
  fs::create_directories(temp_, error);
  const std::wstring dll = folder_ + L"Markwash.dll";
  CopyProgramHere(L"Markwash.dll", L"Markwash.dll");
  for (const wchar_t* name : {L"TMP", L"TEMP"}) ::SetEnvironmentVariableW(name, temp_.c_str());
  if (!(library_ = ::LoadLibraryW(dll.c_str()))) {
    ADD_FAILURE() << "cannot load " << Narrow(dll) << ", error " << ::GetLastError();
    return;
  }
  auto get = [this](const char* name) { return ::GetProcAddress(library_, name); };
  exports_.interfaceVersion = reinterpret_cast<decltype(exports_.interfaceVersion)>(get("pluginInterfaceVersion"));
  exports_.resultKind = reinterpret_cast<decltype(exports_.resultKind)>(get("pluginRueckgabetyp"));
  exports_.start = reinterpret_cast<decltype(exports_.start)>(get("pluginStart"));
}

PluginFolder::~PluginFolder() { if (library_) ::FreeLibrary(library_); }

void PluginFolder::CopyTidyHere(const std::wstring& name) const {
  EXPECT_TRUE(::CopyFileW(BuiltTidyPath().c_str(), (folder_ + name).c_str(), FALSE)) << Narrow(BuiltTidyPath());
}

void PluginFolder::CopyProgramHere(const std::wstring& program, const std::wstring& name) const {
  EXPECT_TRUE(::CopyFileW((ProgramFolder() + program).c_str(), (folder_ + name).c_str(), FALSE)) << Narrow(program);
}

StartResult RunDialog(const PluginFolder& plugin, const char* text, const std::function<void(Dialog&)>& script) {
  StartResult result;
  EXPECT_TRUE(plugin.exports().start) << "the plug-in is not loaded";
  if (!plugin.exports().start) return result;
  if (!g_marker) g_marker = CreateMarker();
  HANDLE returned = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  DriverJob job{script, returned};
  HANDLE driver = ::CreateThread(nullptr, 0, DriveDialog, &job, 0, nullptr);
  const char* returnedText = plugin.exports().start(text, 0, 0);
  result.kind = plugin.exports().resultKind();
  if (returnedText) result.text = returnedText;
  ::SetEvent(returned);
  // The driver may still be asking this thread's windows for their texts.
  while (::MsgWaitForMultipleObjects(1, &driver, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  for (HANDLE handle : {driver, returned}) ::CloseHandle(handle);
  return result;
}

HWND FindTopWindow(const std::wstring& title, const wchar_t* className) {
  return FirstWindow(nullptr, [&](HWND window) {
    // Read without a message, so no thread waits on another for a title.
    wchar_t text[256] = L"";
    ::InternalGetWindowText(window, text, 256);
    return IsOwnVisibleWindow(window) && text == title && (!className || ClassName(window) == className);
  });
}

HWND FindChildWindow(HWND parent, const wchar_t* className, const wchar_t* text) {
  return FirstWindow(parent, [&](HWND w) { return ClassName(w) == className && (!text || WindowText(w) == text); });
}

HWND WaitForFolderBrowser(DWORD limitMs) {
  HWND found = nullptr;
  if (!WaitUntil([&] { return (found = OpenSideDialog()) && FindChildWindow(found, L"SysTreeView32"); }, limitMs))
    ADD_FAILURE() << "no folder browser appeared";
  return found;
}

bool SelectFolder(HWND browser, const std::wstring& folder, const std::function<bool()>& done, DWORD limitMs) {
  const std::wstring above = folder.substr(0, folder.find_last_of(L'\\')), leaf = folder.substr(above.size() + 1);
  auto select = [&](const std::wstring& target) {
    ::SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(target.c_str()));
  };
  auto shown = [tree = FindChildWindow(browser, L"SysTreeView32"), &leaf] {  // as the tree's selected item
    wchar_t text[MAX_PATH] = L"";
    TVITEMW item{TVIF_TEXT, TreeView_GetSelection(tree), 0, 0, text, MAX_PATH};
    return item.hItem && TreeView_GetItem(tree, &item) && leaf == text;
  };
  select(folder);
  // Half a second for each verdict; a folder that the tree shows gets four
  // rounds, so a loaded machine's tree is not interrupted while it works.
  for (DWORD waited = 0, shownRounds = 0; !WaitUntil(done, 500); waited += 500) {
    if (waited > limitMs) return false;
    shownRounds = shown() ? shownRounds + 1 : 0;
    if (shownRounds % 4 != 0) continue;
    if (shownRounds > 0) select(above);  // through the folder above, so the browser reports it anew
    select(folder);
  }
  return true;
}

HWND WaitForMessageBox(const std::wstring& part, DWORD limitMs) {
  HWND found = nullptr;
  if (!WaitUntil([&] { return (found = FindMessageBox(&part)) != nullptr; }, limitMs))
    ADD_FAILURE() << "no message box with the text \"" << Narrow(part) << "\" appeared";
  return found;
}

HWND OpenMessageBox() { return FindMessageBox(nullptr); }
std::wstring MessageBoxText(HWND box) { return WindowText(::GetDlgItem(box, 0xFFFF)); }
bool HasButton(HWND box, int buttonId) { return ::GetDlgItem(box, buttonId) != nullptr; }

void AnswerMessageBox(HWND box, int buttonId) {
  if (HWND button = ::GetDlgItem(box, buttonId))
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void ChooseFile(const std::wstring& title, const std::wstring& name) {
  HWND dialog = nullptr;
  // The file name field: a combo box in the Explorer-style dialog, an edit in the old one.
  auto field = [&] { return ::GetDlgItem(dialog, 0x47c) ? ::GetDlgItem(dialog, 0x47c) : ::GetDlgItem(dialog, 0x480); };
  const bool open = WaitUntil([&] { return (dialog = FindTopWindow(title, L"#32770")) && field(); });
  EXPECT_TRUE(open) << "no file dialog titled \"" << Narrow(title) << "\" appeared";
  if (!open) return;
  ::SendMessageW(field(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  ::PostMessageW(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntilClosed(dialog)) << "the file dialog stays open";
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[128];
  return std::wstring(name, static_cast<size_t>(::GetClassNameW(window, name, 128)));
}

std::string ControlName(HWND window) {
  const char* name = static_cast<const char*>(::GetPropW(window, L"MarkwashName"));
  return name ? name : "";
}

bool IsEnabled(HWND window) { return ::IsWindowEnabled(window) != FALSE; }
bool IsChecked(HWND window) { return ::SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED; }

RECT RectInParent(HWND window) {
  RECT r;
  ::GetWindowRect(window, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::wstring HintText(HWND dialog, HWND control) {
  HWND tip = HintWindowOf(dialog);
  EXPECT_TRUE(tip) << "the dialog has no hint window";
  wchar_t text[4096] = L"";
  TTTOOLINFOW tool{sizeof tool, 0, dialog, reinterpret_cast<UINT_PTR>(control)};
  if (tip && ::SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) {
    tool.lpszText = text;
    ::SendMessageW(tip, TTM_GETTEXTW, 4096, reinterpret_cast<LPARAM>(&tool));
  }
  return text;
}

CommandRecorder::CommandRecorder(HWND window) {
  std::lock_guard<std::mutex> lock(g_commandsLock);
  g_commands.clear();
  g_recorded = window;
  hook_ = ::SetWindowsHookExW(WH_CALLWNDPROC, RecordCommand, nullptr, ::GetWindowThreadProcessId(window, nullptr));
  if (!hook_) ADD_FAILURE() << "cannot watch the commands of the dialog";
}

CommandRecorder::~CommandRecorder() {
  if (hook_) ::UnhookWindowsHookEx(hook_);
  g_recorded = nullptr;
}

bool CommandRecorder::Saw(int id, int code) const {
  std::lock_guard<std::mutex> lock(g_commandsLock);
  return std::find(g_commands.begin(), g_commands.end(), std::make_pair(id, code)) != g_commands.end();
}

size_t CommandRecorder::Count() const {
  std::lock_guard<std::mutex> lock(g_commandsLock);
  return g_commands.size();
}

void PostMouse(HWND window, UINT message, int x, int y, WPARAM keys) {
  ::PostMessageW(window, message, keys, MAKELPARAM(x, y));
}

HWND Dialog::Find(const std::string& name) const {
  return FirstWindow(window_, [&](HWND window) { return ControlName(window) == name; });
}

HWND Dialog::Get(const std::string& name) const {
  HWND found = Find(name);
  if (!found) ADD_FAILURE() << "the dialog has no control named " << name;
  return found;
}

void Dialog::Click(const std::string& name) const {
  if (HWND button = Get(name)) ::PostMessageW(button, BM_CLICK, 0, 0);
}

void Dialog::SetText(const std::string& name, const std::wstring& text) const {
  ::SendMessageW(Get(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND Dialog::FocusedWindow() const {
  GUITHREADINFO info{sizeof info};
  return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window_, nullptr), &info) ? info.hwndFocus : nullptr;
}

void Dialog::Focus(HWND window) const {
  ::SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window), TRUE);
}

void Dialog::PressKey(HWND window, WORD key) const {
  const UINT scan = ::MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  ::PostMessageW(window, WM_KEYDOWN, key, 1 | (scan << 16));
  ::PostMessageW(window, WM_KEYUP, key, 1 | (scan << 16) | (1u << 30) | (1u << 31));
}

void Dialog::TypeChar(HWND window, wchar_t ch) const { ::PostMessageW(window, WM_CHAR, ch, 1); }

void Dialog::SelectPage(const std::string& pageControl, int index) const {
  // As a click on the tab would: the control asks, switches, then tells.
  ::SendMessageW(Get(pageControl), TCM_SETCURFOCUS, index, 0);
  Sync();
}

int Dialog::ActivePage(const std::string& pageControl) const {
  return static_cast<int>(::SendMessageW(Get(pageControl), TCM_GETCURSEL, 0, 0));
}

void Dialog::Sync() const {
  const long sequence = ++g_markerPosted;
  ::PostMessageW(g_marker, WM_APP, static_cast<WPARAM>(sequence), 0);
  // The dialog's thread may be busy with a whole run of Tidy.exe, which under
  // load takes longer than a window takes to appear.
  if (!WaitUntil([&] { return g_markerSeen.load() >= sequence; }, 4 * kDefaultWaitMs))
    ADD_FAILURE() << "the dialog did not handle its messages in time";
}

bool Dialog::SaveScreenshot(const std::wstring& path) const {
  // Whatever waits to be painted is painted first, on the dialog's thread;
  // the thread hands its painting to the screen before it waits for the
  // next message, so it is on the screen once that message is handled.
  ::RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sync();
  // Only what lies on the screen can be copied (a maximised window's frame lies beyond it).
  RECT window, desktop{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}, r;
  ::GetWindowRect(window_, &window);
  ::IntersectRect(&r, &window, &desktop);
  const int width = r.right - r.left, height = r.bottom - r.top;
  const auto pixels = Capture(width, height, [&](HDC dc) {
    HDC screen = ::GetDC(nullptr);
    ::BitBlt(dc, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    ::ReleaseDC(nullptr, screen);
  });
  const DWORD bytes = static_cast<DWORD>(pixels.size() * sizeof(std::uint32_t));
  const BITMAPINFOHEADER info{sizeof info, width, -height, 1, 32, BI_RGB, bytes, 0, 0, 0, 0};
  const BITMAPFILEHEADER file{0x4D42, sizeof file + sizeof info + bytes, 0, 0, sizeof file + sizeof info};
  std::ofstream out(path.c_str(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file).write(reinterpret_cast<const char*>(&info), sizeof info);
  return static_cast<bool>(out.write(reinterpret_cast<const char*>(pixels.data()), bytes));
}

std::vector<std::uint32_t> Dialog::ScreenPixels(HWND window) const {
  ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW);
  Sync();
  const RECT r = ScreenRect(window);
  return Capture(r.right - r.left, r.bottom - r.top, [&](HDC dc) {
    HDC screen = ::GetDC(nullptr);
    ::BitBlt(dc, 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    ::ReleaseDC(nullptr, screen);
  });
}

RECT ScreenRect(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return r;
}

int Width(HWND window) { return ScreenRect(window).right - ScreenRect(window).left; }

}  // namespace rig
