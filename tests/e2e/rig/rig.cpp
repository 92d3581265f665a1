#include "rig/rig.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <mutex>
#include <utility>

#include "rig/png_writer.h"
#include "win32/common/text_encoding.h"

namespace rig {
namespace {

void DeleteTree(const std::wstring& folder) {
  std::wstring from = folder;
  if (!from.empty() && from.back() == L'\\') from.pop_back();
  from.push_back(L'\0');  // the list ends with two NULs
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  ::SHFileOperationW(&op);
}

void CreateFolders(const std::wstring& folder) {
  for (size_t pos = folder.find(L'\\', 3); pos != std::wstring::npos; pos = folder.find(L'\\', pos + 1))
    ::CreateDirectoryW(folder.substr(0, pos).c_str(), nullptr);
}

using WindowTest = std::function<bool(HWND)>;
using WindowSearch = std::pair<const WindowTest*, HWND>;

BOOL CALLBACK StopAtMatch(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  if (!(*search->first)(window)) return TRUE;
  search->second = window;
  return FALSE;
}

// The first top-level window (no parent) or child window that passes the test.
HWND FirstWindow(HWND parent, const WindowTest& test) {
  WindowSearch search{&test, nullptr};
  if (parent)
    ::EnumChildWindows(parent, StopAtMatch, reinterpret_cast<LPARAM>(&search));
  else
    ::EnumWindows(StopAtMatch, reinterpret_cast<LPARAM>(&search));
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
    if (!IsOwnDialogBox(window)) return false;
    HWND text = ::GetDlgItem(window, 0xFFFF);  // the message text of a message box
    return text && (!part || WindowText(text).find(*part) != std::wstring::npos);
  });
}

// A hidden window of the main thread: a message posted to it is handled only
// after every message posted to that thread before it.
constexpr wchar_t kMarkerClass[] = L"MarkwashRigMarker";
std::atomic<long> g_markerSeen{0};
std::atomic<long> g_markerPosted{0};
HWND g_marker = nullptr;

LRESULT CALLBACK MarkerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) {
    g_markerSeen = static_cast<long>(wParam);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateMarker() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = MarkerProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = kMarkerClass;
  ::RegisterClassW(&wc);
  return ::CreateWindowW(kMarkerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD limitMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount() - start > limitMs) return false;
    ::Sleep(20);
  }
}

std::wstring Widen(const std::string& utf8) { return markwash::win32::Utf8ToWide(utf8); }
std::string Narrow(const std::wstring& wide) { return markwash::win32::WideToUtf8(wide); }
std::string ToAnsi(const std::wstring& wide) { return markwash::win32::WideToAnsi(wide); }
std::wstring FromAnsi(const std::string& ansi) { return markwash::win32::AnsiToWide(ansi); }

std::wstring ProgramFolder() {
  wchar_t buffer[MAX_PATH];
  DWORD n = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  std::wstring path(buffer, n);
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::wstring BuiltTidyPath() {
  wchar_t buffer[MAX_PATH];
  DWORD n = ::GetEnvironmentVariableW(L"MARKWASH_TIDY", buffer, MAX_PATH);
  if (n > 0 && n < MAX_PATH) return std::wstring(buffer, n);
  return ProgramFolder() + L"..\\..\\..\\tidy\\Tidy.exe";
}

bool FileExists(const std::wstring& path) {
  DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(path.c_str(), std::ios::binary);
  out << bytes;
}

std::vector<std::wstring> ListFolder(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW((folder + L"*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    std::wstring name = data.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (::FindNextFileW(find, &data));
  ::FindClose(find);
  return names;
}

std::string UnixPath(const std::wstring& windowsPath) {
  std::wstring path = windowsPath;
  if (path.size() >= 2 && (path[0] == L'Z' || path[0] == L'z') && path[1] == L':') path.erase(0, 2);
  for (wchar_t& c : path)
    if (c == L'\\') c = L'/';
  return Narrow(path);
}

std::wstring RepositoryFolder(const std::wstring& toolName) {
  std::wstring folder = ProgramFolder();
  while (folder.size() > 3) {
    if (FileExists(folder + L"tools\\" + toolName)) return folder;
    folder.pop_back();
    folder.erase(folder.find_last_of(L'\\') + 1);
  }
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
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    ADD_FAILURE() << "cannot start " << command << ", error " << ::GetLastError();
    return -1;
  }
  if (pi.hProcess) ::CloseHandle(pi.hProcess);
  if (pi.hThread) ::CloseHandle(pi.hThread);
  const std::wstring status = windows(base + ".status");
  const bool ended = WaitUntil([&] { return FileExists(status); }, limitMs);
  if (output) *output = ReadFileBytes(windows(base + ".out"));
  const int code = ended ? std::atoi(ReadFileBytes(status).c_str()) : -1;
  for (const char* ext : {".sh", ".out", ".status"}) ::DeleteFileW(windows(base + ext).c_str());
  return code;
}

PluginFolder::PluginFolder(const std::string& testName) {
  folder_ = ProgramFolder() + L"work\\" + Widen(testName) + L"\\";
  temp_ = folder_ + L"temp\\";
  DeleteTree(folder_);
  CreateFolders(temp_);
  const std::wstring dll = folder_ + L"Markwash.dll";
  if (!::CopyFileW((ProgramFolder() + L"Markwash.dll").c_str(), dll.c_str(), FALSE))
    ADD_FAILURE() << "cannot copy Markwash.dll into " << Narrow(folder_);
  ::SetEnvironmentVariableW(L"TMP", temp_.c_str());
  ::SetEnvironmentVariableW(L"TEMP", temp_.c_str());
  library_ = ::LoadLibraryW(dll.c_str());
  if (!library_) {
    ADD_FAILURE() << "cannot load " << Narrow(dll) << ", error " << ::GetLastError();
    return;
  }
  exports_.interfaceVersion =
      reinterpret_cast<int(WINAPI*)()>(::GetProcAddress(library_, "pluginInterfaceVersion"));
  exports_.resultKind = reinterpret_cast<int(WINAPI*)()>(::GetProcAddress(library_, "pluginRueckgabetyp"));
  exports_.start =
      reinterpret_cast<const char*(WINAPI*)(const char*, int, int)>(::GetProcAddress(library_, "pluginStart"));
}

PluginFolder::~PluginFolder() { Unload(); }

void PluginFolder::Unload() {
  if (library_) ::FreeLibrary(library_);
  library_ = nullptr;
}

void PluginFolder::CopyTidyHere(const std::wstring& name) const {
  if (!::CopyFileW(BuiltTidyPath().c_str(), (folder_ + name).c_str(), FALSE))
    ADD_FAILURE() << "cannot copy " << Narrow(BuiltTidyPath());
}

void PluginFolder::CopyProgramHere(const std::wstring& program, const std::wstring& name) const {
  if (!::CopyFileW((ProgramFolder() + program).c_str(), (folder_ + name).c_str(), FALSE))
    ADD_FAILURE() << "cannot copy " << Narrow(program);
}

namespace {

// The file name field: a combo box in the Explorer-style dialog, an edit in the old one.
HWND FileNameField(HWND dialog) {
  constexpr int kNameCombo = 0x47c, kNameEdit = 0x480;
  HWND field = ::GetDlgItem(dialog, kNameCombo);
  return field ? field : ::GetDlgItem(dialog, kNameEdit);
}

// The plug-in's dialog: the window that holds its page control.
HWND FindPluginDialog() {
  return FirstWindow(nullptr, [](HWND window) { return IsOwnDialogBox(window) && Dialog(window).Find("Pages"); });
}

}  // namespace

struct DriverJob {
  const std::function<void(Dialog&)>* script;
  HANDLE returned;
};

// The second thread: finds the dialog, runs the script, then closes whatever
// is still open so that pluginStart comes back; a plug-in that never comes
// back ends the test program rather than hanging the run.
DWORD WINAPI DriveDialog(LPVOID param) {
  auto* job = static_cast<DriverJob*>(param);
  // The dialog, not a message box with the same title that it may show at once.
  HWND window = nullptr;
  WaitUntil([&] { return (window = FindPluginDialog()) != nullptr; });
  if (window) {
    Dialog dialog(window);
    (*job->script)(dialog);
  } else {
    HWND box = OpenMessageBox();
    ADD_FAILURE() << "the dialog did not appear"
                  << (box ? "; a message box says: " + Narrow(MessageBoxText(box)) : std::string());
  }
  for (int round = 0; round < 20 && ::WaitForSingleObject(job->returned, 0) == WAIT_TIMEOUT; ++round) {
    if (HWND box = OpenMessageBox()) {
      AnswerMessageBox(box, IDCANCEL);
      AnswerMessageBox(box, IDNO);
      AnswerMessageBox(box, IDOK);
    } else if (HWND side = OpenSideDialog()) {
      ::PostMessageW(side, WM_COMMAND, IDCANCEL, 0);
    } else if (HWND open = FindPluginDialog()) {
      ::PostMessageW(open, WM_CLOSE, 0, 0);
    }
    ::WaitForSingleObject(job->returned, 500);
  }
  if (::WaitForSingleObject(job->returned, 30000) == WAIT_TIMEOUT) {
    std::fprintf(stderr, "rig: pluginStart did not return; giving up\n");
    std::fflush(stderr);
    ::TerminateProcess(::GetCurrentProcess(), 3);
  }
  return 0;
}

StartResult RunDialog(const PluginFolder& plugin, const char* text, const std::function<void(Dialog&)>& script) {
  StartResult result;
  if (!plugin.exports().start) {
    ADD_FAILURE() << "the plug-in is not loaded";
    return result;
  }
  if (!g_marker) g_marker = CreateMarker();
  HANDLE returned = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  DriverJob job{&script, returned};
  HANDLE driver = ::CreateThread(nullptr, 0, DriveDialog, &job, 0, nullptr);
  result.pointer = plugin.exports().start(text, 0, 0);
  result.kind = plugin.exports().resultKind();
  if (result.pointer) result.text = result.pointer;
  ::SetEvent(returned);
  // The driver may still be asking this thread's windows for their texts.
  while (::MsgWaitForMultipleObjects(1, &driver, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  ::CloseHandle(driver);
  ::CloseHandle(returned);
  return result;
}

HWND FindTopWindow(const std::wstring& title, const wchar_t* className) {
  return FirstWindow(nullptr, [&](HWND window) {
    if (!IsOwnVisibleWindow(window)) return false;
    // Read without a message, so no thread waits on another for a title.
    wchar_t text[256] = L"";
    ::InternalGetWindowText(window, text, 256);
    return text == title && (!className || ClassName(window) == className);
  });
}

HWND WaitForTopWindow(const std::wstring& title, const wchar_t* className, DWORD limitMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopWindow(title, className)) != nullptr; }, limitMs);
  return found;
}

HWND FindChildWindow(HWND parent, const wchar_t* className, const wchar_t* text) {
  return FirstWindow(parent, [&](HWND window) {
    return ClassName(window) == className && (!text || WindowText(window) == text);
  });
}

HWND FindFolderBrowser() {
  return FirstWindow(nullptr, [](HWND window) {
    return IsOwnDialogBox(window) && FindChildWindow(window, L"SysTreeView32");
  });
}

HWND WaitForFolderBrowser(DWORD limitMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindFolderBrowser()) != nullptr; }, limitMs);
  if (!found) ADD_FAILURE() << "no folder browser appeared";
  return found;
}

namespace {
std::wstring SelectedTreeItem(HWND tree) {
  const auto item = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (!item) return {};
  wchar_t text[MAX_PATH] = L"";
  TVITEMW tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = text;
  tv.cchTextMax = MAX_PATH;
  ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
  return text;
}
}  // namespace

bool SelectInFolderBrowser(HWND browser, const std::wstring& folder, const std::function<void(bool anew)>& select,
                           const std::function<bool()>& done, DWORD limitMs) {
  std::wstring leaf = folder;
  while (!leaf.empty() && leaf.back() == L'\\') leaf.pop_back();
  leaf.erase(0, leaf.find_last_of(L'\\') + 1);
  HWND tree = FindChildWindow(browser, L"SysTreeView32");
  const DWORD start = ::GetTickCount();
  select(false);
  for (int shownRounds = 0; ::GetTickCount() - start < limitMs;) {
    if (WaitUntil(done, 500)) return true;
    if (SelectedTreeItem(tree) != leaf) {
      shownRounds = 0;
      select(false);
    } else if (++shownRounds % 4 == 0) {
      select(true);
    }
  }
  return done();
}

bool SelectFolder(HWND browser, const std::wstring& folder, const std::function<bool()>& done, DWORD limitMs) {
  std::wstring path = folder;
  if (path.size() > 3 && path.back() == L'\\') path.pop_back();
  const std::wstring above = path.substr(0, path.find_last_of(L'\\'));
  auto send = [&](const std::wstring& target) {
    ::SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(target.c_str()));
  };
  return SelectInFolderBrowser(
      browser, path,
      [&](bool anew) {
        if (anew) send(above);
        send(path);
      },
      done, limitMs);
}

HWND WaitForMessageBox(const std::wstring& part, DWORD limitMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] { return (found = FindMessageBox(&part)) != nullptr; },
      limitMs);
  if (!found) ADD_FAILURE() << "no message box with the text \"" << Narrow(part) << "\" appeared";
  return found;
}

HWND OpenMessageBox() { return FindMessageBox(nullptr); }

std::wstring MessageBoxText(HWND box) { return WindowText(::GetDlgItem(box, 0xFFFF)); }

bool HasButton(HWND box, int buttonId) { return ::GetDlgItem(box, buttonId) != nullptr; }

void AnswerMessageBox(HWND box, int buttonId) {
  HWND button = ::GetDlgItem(box, buttonId);
  if (button) ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

HWND OpenSideDialog() {
  return FirstWindow(nullptr, [](HWND window) { return IsOwnDialogBox(window) && !Dialog(window).Find("Pages"); });
}

HWND WaitForFileDialog(const std::wstring& title, DWORD limitMs) {
  HWND dialog = WaitForTopWindow(title, L"#32770", limitMs);
  if (!dialog || !WaitUntil([&] { return FileNameField(dialog) != nullptr; }, limitMs)) {
    ADD_FAILURE() << "no file dialog titled \"" << Narrow(title) << "\" appeared";
    return nullptr;
  }
  return dialog;
}

std::wstring FileDialogName(HWND dialog) { return dialog ? WindowText(FileNameField(dialog)) : std::wstring(); }

void ChooseFile(HWND dialog, const std::wstring& name) {
  if (!dialog) return;
  ::SendMessageW(FileNameField(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  ::PostMessageW(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

bool WaitUntilClosed(HWND window, DWORD limitMs) {
  return WaitUntil([&] { return !::IsWindow(window) || !::IsWindowVisible(window); }, limitMs);
}

std::wstring WindowText(HWND window) {
  const int n = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  const int got = ::GetWindowTextW(window, text.data(), n + 1);
  text.resize(static_cast<size_t>(got));
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[128];
  const int n = ::GetClassNameW(window, name, 128);
  return std::wstring(name, static_cast<size_t>(n));
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

namespace {

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

}  // namespace

HWND HintWindowOf(HWND dialog) {
  return FirstWindow(nullptr, [dialog](HWND window) {
    return ::GetWindow(window, GW_OWNER) == dialog && ClassName(window) == TOOLTIPS_CLASSW;
  });
}

std::wstring HintText(HWND dialog, HWND control) {
  HWND tip = HintWindowOf(dialog);
  if (!tip) {
    ADD_FAILURE() << "the dialog has no hint window";
    return {};
  }
  std::vector<wchar_t> buffer(4096, L'\0');
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = dialog;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  if (!::SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) return {};
  tool.lpszText = buffer.data();
  ::SendMessageW(tip, TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&tool));
  return buffer.data();
}

CommandRecorder::CommandRecorder(HWND window) {
  {
    std::lock_guard<std::mutex> lock(g_commandsLock);
    g_commands.clear();
  }
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
  for (const auto& command : g_commands)
    if (command.first == id && command.second == code) return true;
  return false;
}

size_t CommandRecorder::Count() const {
  std::lock_guard<std::mutex> lock(g_commandsLock);
  return g_commands.size();
}

void SetClipboardText(const std::wstring& text) {
  if (!::OpenClipboard(nullptr)) {
    ADD_FAILURE() << "cannot open the clipboard";
    return;
  }
  ::EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(::GlobalLock(memory), text.c_str(), bytes);
    ::GlobalUnlock(memory);
    if (!::SetClipboardData(CF_UNICODETEXT, memory)) ::GlobalFree(memory);
  }
  ::CloseClipboard();
}

std::vector<std::uint32_t> PrintClient(HWND window) {
  RECT client;
  ::GetClientRect(window, &client);
  const int width = client.right, height = client.bottom;
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  ::GdiFlush();
  if (bits) std::memcpy(pixels.data(), bits, pixels.size() * sizeof(std::uint32_t));
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return pixels;
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

HWND Dialog::FindByCaption(const std::wstring& caption, const wchar_t* className) const {
  return FirstWindow(window_, [&](HWND window) {
    return WindowText(window) == caption && (!className || ClassName(window) == className);
  });
}

void Dialog::Click(const std::string& name) const { ClickWindow(Get(name)); }

void Dialog::ClickWindow(HWND window) const {
  if (window) ::PostMessageW(window, BM_CLICK, 0, 0);
}

void Dialog::SetText(const std::string& name, const std::wstring& text) const {
  ::SendMessageW(Get(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND Dialog::FocusedWindow() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window_, nullptr), &info)) return nullptr;
  return info.hwndFocus;
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
  HWND tab = Get(pageControl);
  ::SendMessageW(tab, TCM_SETCURFOCUS, index, 0);
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
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  std::vector<std::uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  const auto* pixels = static_cast<const std::uint8_t*>(bits);
  for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
    rgb[i * 3] = pixels[i * 4 + 2];
    rgb[i * 3 + 1] = pixels[i * 4 + 1];
    rgb[i * 3 + 2] = pixels[i * 4];
  }
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return WritePng(path, width, height, rgb);
}

ImmutablePath::ImmutablePath(std::wstring path) : path_(std::move(path)) {
  RunUnixScript("[ \"$(id -u)\" -ne 0 ] || chattr +i '" + UnixPath(path_) + "'");
}

ImmutablePath::~ImmutablePath() {
  RunUnixScript("[ \"$(id -u)\" -ne 0 ] || chattr -i '" + UnixPath(path_) + "'");
}

// group B
RECT ScreenRect(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return r;
}

int Width(HWND window) { return ScreenRect(window).right - ScreenRect(window).left; }

}  // namespace rig
