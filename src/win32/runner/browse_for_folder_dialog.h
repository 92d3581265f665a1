// TBrowseForFolderDialog: the shell's folder browser (SHBrowseForFolderA) as a
// component. While the browser is open it subclasses the shell's dialog
// window: it can move the selection and set the status line at any time, put
// an edit box of its own in place of the status line, owner-draw the status
// line, and add one extra push button or check box in the lower left corner.
// Property writes reach the open browser at once. Everything runs on the
// thread that calls Execute, inside the shell's modal loop. Texts are 8-bit
// ANSI, as the shell's "A" interface takes them.
#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <string>

#include "core/common/error.h"
#include "win32/runner/item_id_list.h"

namespace markwash::win32 {

class EBrowseForFolderDialog : public Error {
 public:
  using Error::Error;
};

enum class TbfSpecialFolder {
  bfDesktop, bfPrograms, bfControls, bfPrinters, bfPersonal, bfFavorites, bfStartUp, bfRecentFiles,
  bfSendTo, bfRecycleBin, bfStartMenu, bfDesktopDirectory, bfMyComputer, bfNetwork, bfNethoodDirectory,
  bfFonts, bfShellNew, bfCommonStartmenu, bfCommonPrograms, bfCommonStartup, bfCommonDesktopDirectory,
  bfAppData, bfPrintHood, bfCustomPath,
};

// One bit per option, in this order.
enum TbfOption : unsigned {
  bfoBrowseForComputer = 1u << 0,
  bfoBrowseForPrinter = 1u << 1,
  bfoDontGoBelowDomain = 1u << 2,
  bfoReturnFSAncestors = 1u << 3,
  bfoReturnOnlyFSDirs = 1u << 4,
  bfoStatusText = 1u << 5,
  bfoBrowseIncludeFiles = 1u << 6,
  bfoEdit = 1u << 7,
  bfoStatusTextDefault = 1u << 8,
  bfoEditDefault = 1u << 9,
  bfoStatusTextOwnerDraw = 1u << 10,
};
using TbfOptions = unsigned;

enum class TbfCustomButton { bfbNone, bfbButton, bfbCheckBox };

class TBrowseForFolderDialog {
 public:
  using NotifyEvent = std::function<void()>;
  using DrawEvent = std::function<void(const DRAWITEMSTRUCT&)>;

  // owner: the window of the owning control, or nullptr.
  explicit TBrowseForFolderDialog(HWND owner);
  virtual ~TBrowseForFolderDialog() = default;
  TBrowseForFolderDialog(const TBrowseForFolderDialog&) = delete;
  TBrowseForFolderDialog& operator=(const TBrowseForFolderDialog&) = delete;

  // Shows the browser modally; true when the user chose an item with OK.
  virtual bool Execute();

  std::string RootPath() const;
  void SetRootPath(const std::string& path);
  TbfSpecialFolder RootFolder() const { return rootFolder_; }
  void SetRootFolder(TbfSpecialFolder folder);
  std::string StartupPath() const;
  void SetStartupPath(const std::string& path);
  TbfSpecialFolder StartupFolder() const { return startupFolder_; }
  void SetStartupFolder(TbfSpecialFolder folder);
  std::string SelectedPath() const;
  void SetSelectedPath(const std::string& path);
  const std::string& SelDisplayName() const { return selDisplayName_; }
  int SeliImage() const { return seliImage_; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }
  TbfOptions Options() const { return options_; }
  void SetOptions(TbfOptions options) { options_ = options; }
  const std::string& EditAttachment() const { return editAttachment_; }
  void SetEditAttachment(const std::string& text) { editAttachment_ = text; }
  std::string EditText();
  void SetEditText(const std::string& text);
  const std::string& StatusText() const { return statusText_; }
  void SetStatusText(const std::string& text);
  TbfCustomButton CustomButtonType() const { return customButtonType_; }
  void SetCustomButtonType(TbfCustomButton type);
  const std::string& CustomButtonCaption() const { return customButtonCaption_; }
  void SetCustomButtonCaption(const std::string& caption);
  bool CustomButtonEnabled() const { return customButtonEnabled_; }
  void SetCustomButtonEnabled(bool enabled);
  bool CustomButtonVisible() const { return customButtonVisible_; }
  void SetCustomButtonVisible(bool visible);
  bool CustomButtonChecked();
  void SetCustomButtonChecked(bool checked);
  bool TreeViewHideSelection() const;
  void SetTreeViewHideSelection(bool hide);

  NotifyEvent OnExecuting, OnInitialized, OnSelChanged, OnEditChange, OnCustomButtonClick, OnExecuted;
  DrawEvent OnDrawStatusText;

  // The shell's dialog window while the browser is open, else nullptr.
  HWND DialogWindow() const { return dialog_; }
  bool IsOpen() const { return open_; }
  LPCITEMIDLIST SelectedItemIdList() const { return selected_.get(); }

 protected:
  virtual void InitDialogWindow();
  virtual int HandleCallback(HWND dialog, UINT message, LPARAM param);
  virtual void DoInitialized();
  virtual int DoSelChanged(LPCITEMIDLIST list);
  virtual void DoEditChange();
  virtual void DoCustomButtonClick();
  virtual void DrawStatusText(const DRAWITEMSTRUCT& item);

 private:
  static int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM param, LPARAM data);
  static LRESULT DialogSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR self);
  LRESULT HandleDialogMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Runs an event or step inside the shell's loop: an error there closes the
  // browser and is raised again by Execute, since none may cross the shell.
  void Guarded(const std::function<void()>& step);
  void BuildRootList();
  void BuildStartupList();
  void FindDialogControls();
  void CreateEditBox();
  void CreateCustomButton();
  void SizeCustomButton();
  void ArrangeControls();
  void RequireCustomButton() const;
  UINT BrowseFlags() const;
  std::string FitToStatusLabel(const std::string& text) const;

  HWND owner_;
  TbfSpecialFolder rootFolder_ = TbfSpecialFolder::bfDesktop;
  TbfSpecialFolder startupFolder_ = TbfSpecialFolder::bfMyComputer;
  std::string rootPath_, startupPath_, selectedPath_, selDisplayName_, title_, editAttachment_, editText_,
      statusText_, customButtonCaption_;
  int seliImage_ = 0;
  TbfOptions options_ = bfoReturnOnlyFSDirs | bfoStatusText | bfoStatusTextDefault | bfoEditDefault |
                        bfoStatusTextOwnerDraw;
  TbfCustomButton customButtonType_ = TbfCustomButton::bfbNone;
  bool customButtonEnabled_ = true, customButtonVisible_ = true, customButtonChecked_ = false;
  bool treeViewHideSelection_ = true;

  ItemIdList rootList_, startupList_, selected_;
  HWND dialog_ = nullptr;
  bool open_ = false;
  HWND titleLabel_ = nullptr, statusLabel_ = nullptr, treeView_ = nullptr, okButton_ = nullptr,
       cancelButton_ = nullptr;
  HWND editBox_ = nullptr, customButton_ = nullptr;
  int customButtonMinWidth_ = 0, customButtonMaxWidth_ = 0;
  bool editTextSetByProgram_ = false;
  bool executeResult_ = false;
  std::exception_ptr pendingError_;
};

}  // namespace markwash::win32
