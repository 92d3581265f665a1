// The folder browser component on its own: Execute runs on this thread inside
// the shell's modal loop while a second thread inspects and drives the
// shell's dialog. Events record on the browser's thread; the driver waits
// for what they record.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <mutex>
#include <string>
#include <vector>

#include "rig/rig.h"
#include "win32/runner/browse_for_folder_dialog.h"

namespace {

using markwash::win32::EBrowseForFolderDialog;
using markwash::win32::TBrowseForFolderDialog;
using markwash::win32::TbfCustomButton;
namespace bf = markwash::win32;

// What the events saw, read by the driver thread.
class Recorder {
 public:
  void Add(const std::string& entry) {
    std::lock_guard<std::mutex> lock(mutex_);
    entries_.push_back(entry);
  }
  bool WaitFor(const std::string& entry) {
    return rig::WaitUntil([&] { return Contains(entry); });
  }
  bool Contains(const std::string& entry) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& e : entries_)
      if (e == entry) return true;
    return false;
  }
  size_t Count(const std::string& prefix) {
    std::lock_guard<std::mutex> lock(mutex_);
    size_t n = 0;
    for (const auto& e : entries_) n += e.rfind(prefix, 0) == 0;
    return n;
  }

 private:
  std::mutex mutex_;
  std::vector<std::string> entries_;
};

struct BrowserJob {
  const std::function<void(HWND)>* script;  // nullptr: the browser is not expected to show
  HANDLE returned;
};

DWORD WINAPI DriveBrowser(LPVOID param) {
  auto* job = static_cast<BrowserJob*>(param);
  if (job->script) {
    if (HWND browser = rig::WaitForFolderBrowser()) (*job->script)(browser);
  }
  // Whatever the script left open is cancelled, so Execute comes back.
  for (int round = 0; round < 40 && ::WaitForSingleObject(job->returned, 0) == WAIT_TIMEOUT; ++round) {
    if (HWND browser = rig::FindFolderBrowser()) ::PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);
    ::WaitForSingleObject(job->returned, 250);
  }
  return 0;
}

// Runs Execute here while `script` drives the open browser from a second thread.
bool ExecuteWhile(TBrowseForFolderDialog& browser, const std::function<void(HWND)>& script) {
  HANDLE returned = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  BrowserJob job{script ? &script : nullptr, returned};
  HANDLE driver = ::CreateThread(nullptr, 0, DriveBrowser, &job, 0, nullptr);
  bool result = false;
  try {
    result = browser.Execute();
  } catch (...) {
    ::SetEvent(returned);
    ::WaitForSingleObject(driver, INFINITE);
    ::CloseHandle(driver);
    ::CloseHandle(returned);
    throw;
  }
  ::SetEvent(returned);
  ::WaitForSingleObject(driver, INFINITE);
  ::CloseHandle(driver);
  ::CloseHandle(returned);
  return result;
}

std::string Ansi(const std::wstring& text) { return rig::ToAnsi(text); }

class BrowseFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::CoInitialize(nullptr);
    ::CreateDirectoryW((rig::ProgramFolder() + L"work").c_str(), nullptr);
    root_ = rig::ProgramFolder() + L"work\\browse\\";
    for (const wchar_t* sub : {L"", L"Alpha", L"Beta", L"Beta\\Gamma"})
      ::CreateDirectoryW((root_ + sub).c_str(), nullptr);
  }
  void TearDown() override { ::CoUninitialize(); }
  std::string Folder(const wchar_t* sub) const { return Ansi(root_ + sub); }
  void Record(TBrowseForFolderDialog& b) {
    b.OnSelChanged = [&] { events.Add("sel:" + b.SelectedPath()); };
    b.OnInitialized = [&] { events.Add("init"); };
    b.OnCustomButtonClick = [&] { events.Add("button"); };
  }
  static HWND StatusLabel(HWND browser) {
    // The second static of the shell's dialog.
    HWND first = rig::FindChildWindow(browser, L"Static");
    for (HWND w = ::GetWindow(first, GW_HWNDNEXT); w; w = ::GetWindow(w, GW_HWNDNEXT))
      if (rig::ClassName(w) == L"Static") return w;
    return nullptr;
  }
  static void Press(HWND browser, int id) {
    ::PostMessageW(browser, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(browser, id)));
  }
  // The component's selection reaches `sub`. Wine's tree sometimes drops a
  // selection made while it reads the drive; the tree then shows another
  // folder, and the same selection is made again until the event reports it.
  bool Reaches(HWND browser, const wchar_t* sub) {
    const std::wstring path = root_ + sub;
    const std::wstring above = path.substr(0, path.find_last_of(L'\\'));
    bool first = true;  // the component's own selection
    return rig::SelectInFolderBrowser(
        browser, path,
        [&](bool anew) {
          if (std::exchange(first, false)) return;
          if (anew) ::SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(above.c_str()));
          ::SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
        },
        [&] { return events.Contains("sel:" + Ansi(path)); });
  }
  std::wstring root_;
  Recorder events;
};

TEST_F(BrowseFolderTest, OpensWithTitleStatusAndPresetSelectionAndAnswersOk) {
  TBrowseForFolderDialog b(nullptr);
  Record(b);
  b.SetTitle("Bitte w\xE4hlen Sie einen Ordner");
  b.SetOptions(bf::bfoReturnOnlyFSDirs | bf::bfoStatusText);
  b.SetStatusText("vorher gesetzt");
  b.SetSelectedPath(Folder(L"Alpha"));
  EXPECT_EQ(b.StartupPath(), Folder(L"Alpha"));
  const bool ok = ExecuteWhile(b, [&](HWND browser) {
    ASSERT_TRUE(Reaches(browser, L"Alpha"));
    EXPECT_TRUE(rig::FindChildWindow(browser, L"Static", L"Bitte w\u00e4hlen Sie einen Ordner"));
    HWND status = StatusLabel(browser);
    ASSERT_TRUE(status);
    EXPECT_EQ(L"vorher gesetzt", rig::WindowText(status));
    // Without the default and owner-draw options the shell's label shows
    // the text as it was set.
    EXPECT_NE(SS_OWNERDRAW, ::GetWindowLongW(status, GWL_STYLE) & SS_TYPEMASK);
    Press(browser, IDOK);
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(b.SelectedPath(), Folder(L"Alpha"));
  EXPECT_FALSE(b.IsOpen());

  // A later opening starts at the same folder again.
  const bool again = ExecuteWhile(b, [&](HWND browser) {
    EXPECT_TRUE(rig::WaitUntil([&] { return events.Count("sel:" + Folder(L"Alpha")) >= 2; }));
    Press(browser, IDOK);
  });
  EXPECT_TRUE(again);
}

TEST_F(BrowseFolderTest, DefaultStatusLineIsOwnerDrawnAndFollowsTheSelection) {
  TBrowseForFolderDialog b(nullptr);
  Record(b);
  int drawn = 0;
  b.OnDrawStatusText = [&](const DRAWITEMSTRUCT& item) {
    ++drawn;
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
    events.Add("drawn");
  };
  b.SetSelectedPath(Folder(L"Beta\\Gamma"));
  ExecuteWhile(b, [&](HWND browser) {
    ASSERT_TRUE(Reaches(browser, L"Beta\\Gamma"));
    HWND status = StatusLabel(browser);
    ASSERT_TRUE(status);
    EXPECT_EQ(SS_OWNERDRAW, ::GetWindowLongW(status, GWL_STYLE) & SS_TYPEMASK);
    // The desktop root leaves the whole path; the label is wide enough here
    // or the text ends in the folder's name after an ellipsis.
    const std::wstring text = rig::WindowText(status);
    EXPECT_NE(std::wstring::npos, text.find(L"Gamma")) << rig::Narrow(text);
    ::InvalidateRect(status, nullptr, TRUE);
    EXPECT_TRUE(events.WaitFor("drawn"));
    // The status label and the title take the tree's left edge and width;
    // the tree starts 5 pixels below the status label.
    HWND tree = rig::FindChildWindow(browser, L"SysTreeView32");
    const RECT t = rig::RectInParent(tree), s = rig::RectInParent(status);
    EXPECT_EQ(t.left, s.left);
    EXPECT_EQ(t.right, s.right);
    EXPECT_EQ(s.bottom + 5, t.top);
    const RECT title = rig::RectInParent(rig::FindChildWindow(browser, L"Static"));
    EXPECT_EQ(t.left, title.left);
    EXPECT_EQ(t.right, title.right);
    // The tree hides its selection without the focus by default.
    EXPECT_EQ(0, ::GetWindowLongW(tree, GWL_STYLE) & TVS_SHOWSELALWAYS);
  });
  EXPECT_GE(drawn, 1);
}

TEST_F(BrowseFolderTest, ExtraButtonSitsLeftOfOkAndItsClickMovesTheSelection) {
  TBrowseForFolderDialog b(nullptr);
  Record(b);
  b.SetCustomButtonType(TbfCustomButton::bfbButton);
  b.SetCustomButtonCaption("x");
  b.SetTreeViewHideSelection(false);
  b.SetSelectedPath(Folder(L"Alpha"));
  b.OnCustomButtonClick = [&] {
    events.Add("button");
    b.SetSelectedPath(Folder(L"Beta"));  // moves the open browser
    b.SetStatusText("nach dem Klick");
  };
  std::vector<std::string> widths;
  b.OnInitialized = [&] { events.Add("init"); };
  const bool ok = ExecuteWhile(b, [&](HWND browser) {
    ASSERT_TRUE(Reaches(browser, L"Alpha"));
    HWND button = rig::FindChildWindow(browser, L"Button", L"x");
    ASSERT_TRUE(button);
    HWND okButton = ::GetDlgItem(browser, IDOK), cancel = ::GetDlgItem(browser, IDCANCEL);
    HWND title = rig::FindChildWindow(browser, L"Static");
    const RECT r = rig::RectInParent(button), o = rig::RectInParent(okButton), t = rig::RectInParent(title);
    EXPECT_EQ(t.left, r.left);
    EXPECT_EQ(o.top, r.top);
    EXPECT_EQ(o.bottom - o.top, r.bottom - r.top);
    EXPECT_EQ(o.right - o.left, r.right - r.left);  // a short caption: as wide as OK
    EXPECT_EQ(button, ::GetWindow(cancel, GW_HWNDNEXT));  // tabbed to right after Cancel
    HWND tree = rig::FindChildWindow(browser, L"SysTreeView32");
    EXPECT_EQ(TVS_SHOWSELALWAYS, ::GetWindowLongW(tree, GWL_STYLE) & TVS_SHOWSELALWAYS);
    ::PostMessageW(button, BM_CLICK, 0, 0);
    ASSERT_TRUE(events.WaitFor("button"));
    EXPECT_TRUE(Reaches(browser, L"Beta"));
    EXPECT_TRUE(rig::WaitUntil([&] { return rig::WindowText(StatusLabel(browser)) == L"nach dem Klick"; }));
    Press(browser, IDOK);
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(b.SelectedPath(), Folder(L"Beta"));
}

TEST_F(BrowseFolderTest, ExtraButtonWidthStopsAtTheRoomLeftOfOk) {
  TBrowseForFolderDialog b(nullptr);
  Record(b);
  b.SetCustomButtonType(TbfCustomButton::bfbCheckBox);
  b.SetCustomButtonCaption("Tidy automatisch suchen");
  b.SetCustomButtonChecked(true);
  b.OnInitialized = [&] {
    events.Add("init");
    b.SetCustomButtonCaption(std::string(200, 'W'));  // written while open: resized at once
  };
  b.OnCustomButtonClick = [&] { events.Add(b.CustomButtonChecked() ? "checked" : "unchecked"); };
  ExecuteWhile(b, [&](HWND browser) {
    ASSERT_TRUE(events.WaitFor("init"));
    HWND button = rig::FindChildWindow(browser, L"Button", rig::Widen(std::string(200, 'W')).c_str());
    ASSERT_TRUE(button);
    EXPECT_EQ(BS_AUTOCHECKBOX, ::GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_TRUE(rig::IsChecked(button));
    const RECT r = rig::RectInParent(button), o = rig::RectInParent(::GetDlgItem(browser, IDOK));
    const RECT c = rig::RectInParent(::GetDlgItem(browser, IDCANCEL));
    EXPECT_EQ(r.right + (c.left - o.right), o.left);  // maximum: one OK-Cancel gap before OK
    ::PostMessageW(button, BM_CLICK, 0, 0);
    EXPECT_TRUE(events.WaitFor("unchecked"));
  });
  EXPECT_FALSE(b.CustomButtonChecked());
}

TEST_F(BrowseFolderTest, CancelKeepsTheOldItemListButTheLastPath) {
  TBrowseForFolderDialog b(nullptr);
  Record(b);
  b.SetCustomButtonType(TbfCustomButton::bfbButton);
  b.SetCustomButtonCaption("weiter");
  b.SetSelectedPath(Folder(L"Alpha"));
  b.OnCustomButtonClick = [&] { b.SetSelectedPath(Folder(L"Beta")); };
  ASSERT_TRUE(ExecuteWhile(b, [&](HWND browser) {
    ASSERT_TRUE(Reaches(browser, L"Alpha"));
    Press(browser, IDOK);
  }));
  const bool ok = ExecuteWhile(b, [&](HWND browser) {
    ::PostMessageW(rig::FindChildWindow(browser, L"Button", L"weiter"), BM_CLICK, 0, 0);
    ASSERT_TRUE(Reaches(browser, L"Beta"));
    Press(browser, IDCANCEL);
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(b.SelectedPath(), Folder(L"Beta"));
  char path[MAX_PATH] = "";
  ASSERT_TRUE(b.SelectedItemIdList());
  ::SHGetPathFromIDListA(b.SelectedItemIdList(), path);
  EXPECT_EQ(std::string(path), Folder(L"Alpha"));
}

TEST_F(BrowseFolderTest, EditBoxReplacesTheStatusLineAndTypingSelects) {
  TBrowseForFolderDialog b(nullptr);
  Record(b);
  b.SetOptions(bf::bfoReturnOnlyFSDirs | bf::bfoEdit | bf::bfoEditDefault);
  b.SetRootPath(Ansi(root_));
  b.SetEditAttachment("");
  b.SetSelectedPath(Folder(L"Alpha"));
  ExecuteWhile(b, [&](HWND browser) {
    ASSERT_TRUE(Reaches(browser, L"Alpha"));
    HWND edit = rig::FindChildWindow(browser, L"Edit");
    ASSERT_TRUE(edit);
    EXPECT_FALSE(::IsWindowVisible(StatusLabel(browser)));
    EXPECT_EQ(edit, ::GetWindow(rig::FindChildWindow(browser, L"Static"), GW_HWNDNEXT));
    // Typing: the selection follows to the longest part that exists.
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Beta\\Gamma\\nicht da"));
    EXPECT_TRUE(Reaches(browser, L"Beta\\Gamma"));
    Press(browser, IDOK);
  });
  EXPECT_EQ(b.SelectedPath(), Folder(L"Beta\\Gamma"));
  EXPECT_EQ(b.EditText(), "Beta\\Gamma\\nicht da");
}

TEST_F(BrowseFolderTest, EditDefaultWithoutEditMakesNoBox) {
  TBrowseForFolderDialog b(nullptr);
  Record(b);
  b.SetOptions(bf::bfoReturnOnlyFSDirs | bf::bfoStatusText | bf::bfoEditDefault);
  ExecuteWhile(b, [&](HWND browser) {
    ASSERT_TRUE(events.WaitFor("init"));
    EXPECT_FALSE(rig::FindChildWindow(browser, L"Edit"));
  });
}

TEST_F(BrowseFolderTest, ButtonPropertiesWithoutAButtonRaiseWhileOpen) {
  TBrowseForFolderDialog b(nullptr);
  Record(b);
  b.SetCustomButtonEnabled(false);  // closed: only stored
  EXPECT_FALSE(b.CustomButtonEnabled());
  b.OnInitialized = [&] {
    try {
      b.SetCustomButtonCaption("neu");
    } catch (const EBrowseForFolderDialog& e) {
      events.Add(e.what());
    }
    events.Add("init");
  };
  ExecuteWhile(b, [&](HWND) { EXPECT_TRUE(events.WaitFor("Custom button does not exist.")); });
}

TEST_F(BrowseFolderTest, UnsupportedButtonKindClosesTheBrowserAndRaises) {
  TBrowseForFolderDialog b(nullptr);
  b.SetCustomButtonType(static_cast<TbfCustomButton>(7));
  std::string message;
  try {
    ExecuteWhile(b, nullptr);
  } catch (const EBrowseForFolderDialog& e) {
    message = e.what();
  }
  EXPECT_EQ(0u, message.find("Custom button type not supported.\r\n(You should never see this message."));
  EXPECT_FALSE(rig::FindFolderBrowser());
  EXPECT_FALSE(b.IsOpen());
}

}  // namespace
