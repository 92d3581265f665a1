// The end-to-end rig: loads the real Markwash.dll from a folder of the test's
// own, runs pluginStart on the test's main thread and drives the dialog from
// a second thread through Win32 messages. Every wait has a time limit, so a
// hung dialog fails the test instead of hanging the run.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rig {

inline constexpr DWORD kDefaultWaitMs = 15000;
// Where the plug-in folders of the tests are made.
inline constexpr wchar_t kWorkRoot[] = L"C:\\markwash-e2e\\";

// Waits until the condition holds; false when the limit passes first.
bool WaitUntil(const std::function<bool()>& condition, DWORD limitMs = kDefaultWaitMs);

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);  // to UTF-8
std::string ToAnsi(const std::wstring& wide);
std::wstring FromAnsi(const std::string& ansi);

// Folder of the running test program.
std::wstring ProgramFolder();
// The Windows path of the Tidy.exe built for the tests.
std::wstring BuiltTidyPath();
bool FileExists(const std::wstring& path);
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::vector<std::wstring> ListFolder(const std::wstring& folder);

// Wine runs programs of the machine itself, too: runs a POSIX shell script
// there and waits for it to end. Its exit status (-1 when it did not end
// within the limit); its standard output and error go to `output`.
int RunUnixScript(const std::string& script, std::string* output = nullptr, DWORD limitMs = 60000);
// The Unix path of a path on one of Wine's drives.
std::string UnixPath(const std::wstring& windowsPath);

// Makes a file or folder immutable for the machine while it lives (root
// only: Wine run by root writes read-only files and folders regardless), and
// always takes the mark away again, so the build tree stays removable.
class ImmutablePath {
 public:
  explicit ImmutablePath(std::wstring path);
  ~ImmutablePath();
  ImmutablePath(const ImmutablePath&) = delete;
  ImmutablePath& operator=(const ImmutablePath&) = delete;

 private:
  std::wstring path_;
};
// The repository's folder: the nearest folder above the program holding
// tools\<name>.
std::wstring RepositoryFolder(const std::wstring& toolName);

// The plug-in's three exports.
struct Exports {
  int(WINAPI* interfaceVersion)() = nullptr;
  int(WINAPI* resultKind)() = nullptr;
  const char*(WINAPI* start)(const char*, int, int) = nullptr;
};

// A fresh folder of the test's own (work\<name>) with a copy of the DLL and a
// temporary folder that becomes TMP and TEMP of the process.
class PluginFolder {
 public:
  explicit PluginFolder(const std::string& testName);
  ~PluginFolder();
  PluginFolder(const PluginFolder&) = delete;
  PluginFolder& operator=(const PluginFolder&) = delete;

  const std::wstring& folder() const { return folder_; }  // with trailing backslash
  const std::wstring& tempFolder() const { return temp_; }
  std::wstring Path(const std::wstring& name) const { return folder_ + name; }
  const Exports& exports() const { return exports_; }
  void CopyTidyHere(const std::wstring& name = L"Tidy.exe") const;
  // Copies a program built beside the tests (a stand-in for Tidy) into the folder.
  void CopyProgramHere(const std::wstring& program, const std::wstring& name) const;

 private:
  std::wstring folder_, temp_;
  HMODULE library_ = nullptr;
  Exports exports_;
};

struct StartResult {
  std::string text;
  int kind = -1;
};

// A top-level window of this process with the given title, visible.
HWND FindTopWindow(const std::wstring& title, const wchar_t* className = nullptr);
// A child window of the given class whose text is `text` (nullptr: any text).
HWND FindChildWindow(HWND parent, const wchar_t* className, const wchar_t* text = nullptr);

// The shell's folder browser of this process: a dialog holding a tree.
HWND WaitForFolderBrowser(DWORD limitMs = kDefaultWaitMs);
// Selects the folder (no trailing backslash) in the browser as a click in
// the tree would, until `done` holds. Wine's tree ignores a selection sent while it fills, and one
// made while it cannot read the drive reports nothing: the selection is made
// again while the tree shows another folder, and through the folder above
// when it shows this one but `done` still does not hold.
bool SelectFolder(HWND browser, const std::wstring& folder, const std::function<bool()>& done, DWORD limitMs = 60000);

// A message box of this process whose text contains `part`.
HWND WaitForMessageBox(const std::wstring& part, DWORD limitMs = kDefaultWaitMs);
std::wstring MessageBoxText(HWND box);
void AnswerMessageBox(HWND box, int buttonId);  // IDYES, IDNO, IDOK, IDCANCEL
bool HasButton(HWND box, int buttonId);
// Any message box of this process is open.
HWND OpenMessageBox();
// The common file dialog of this process with the given title: types the
// name into its file name field and presses its OK button.
void ChooseFile(const std::wstring& title, const std::wstring& name);

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
std::string ControlName(HWND window);  // the name the dialog's layout gives it
bool IsEnabled(HWND window);
bool IsChecked(HWND window);
RECT RectInParent(HWND window);

std::wstring HintText(HWND dialog, HWND control);

// Records the WM_COMMAND messages sent to a window while the recorder lives
// (a hook on the window's thread); one recorder at a time.
class CommandRecorder {
 public:
  explicit CommandRecorder(HWND window);
  ~CommandRecorder();
  CommandRecorder(const CommandRecorder&) = delete;
  CommandRecorder& operator=(const CommandRecorder&) = delete;
  // A command with this control id and notification code has arrived.
  bool Saw(int id, int code) const;
  size_t Count() const;  // commands seen so far

 private:
  HHOOK hook_ = nullptr;
};

// A mouse message at a point of the window's client area, posted.
void PostMouse(HWND window, UINT message, int x, int y, WPARAM keys = 0);

class Dialog {
 public:
  explicit Dialog(HWND window) : window_(window) {}
  HWND window() const { return window_; }

  HWND Find(const std::string& name) const;  // by layout name; nullptr if none
  HWND Get(const std::string& name) const;   // records a failure if none

  // Posted, so that a click that opens a modal box does not block the driver.
  void Click(const std::string& name) const;
  void SetText(const std::string& name, const std::wstring& text) const;
  std::wstring Text(const std::string& name) const { return WindowText(Get(name)); }
  void Focus(HWND window) const;
  HWND FocusedWindow() const;  // the window with the keyboard focus on the dialog's thread
  void PressKey(HWND window, WORD key) const;    // key down and up, through the queue
  void TypeChar(HWND window, wchar_t ch) const;  // a typed character
  void SelectPage(const std::string& pageControl, int index) const;
  int ActivePage(const std::string& pageControl) const;
  // Waits until every message posted so far has been handled by the dialog.
  void Sync() const;
  // A picture of the dialog as it lies on the screen, as a Windows bitmap
  // file: for a person, and for comparing two states.
  bool SaveScreenshot(const std::wstring& path) const;
  // What the screen shows of a window of the dialog (frame and client) once
  // it painted what waits to be painted, pixel by pixel.
  std::vector<std::uint32_t> ScreenPixels(HWND window) const;

 private:
  HWND window_;
};

// Calls pluginStart on this thread while `script` drives the dialog from a
// second thread. When the script ends with the dialog still open (a failed
// assertion), the dialog is closed so that pluginStart returns.
StartResult RunDialog(const PluginFolder& plugin, const char* text, const std::function<void(Dialog&)>& script);

RECT ScreenRect(HWND window);  // on the screen
int Width(HWND window);

}  // namespace rig
