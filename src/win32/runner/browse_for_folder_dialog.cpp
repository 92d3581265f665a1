// The component's properties, Execute and the shell's callback. The parts
// that work on the shell's dialog window are in browse_dialog_window.cpp.
#include "win32/runner/browse_for_folder_dialog.h"

#include <commctrl.h>

#include "core/runner/browse_paths.h"

namespace markwash::win32 {
namespace {

constexpr int kSpecialFolderIds[] = {
    CSIDL_DESKTOP, CSIDL_PROGRAMS, CSIDL_CONTROLS, CSIDL_PRINTERS, CSIDL_PERSONAL, CSIDL_FAVORITES,
    CSIDL_STARTUP, CSIDL_RECENT, CSIDL_SENDTO, CSIDL_BITBUCKET, CSIDL_STARTMENU, CSIDL_DESKTOPDIRECTORY,
    CSIDL_DRIVES, CSIDL_NETWORK, CSIDL_NETHOOD, CSIDL_FONTS, CSIDL_TEMPLATES, CSIDL_COMMON_STARTMENU,
    CSIDL_COMMON_PROGRAMS, CSIDL_COMMON_STARTUP, CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_APPDATA, CSIDL_PRINTHOOD,
};

ItemIdList ListFor(HWND owner, TbfSpecialFolder folder, const std::string& path) {
  if (folder == TbfSpecialFolder::bfCustomPath) return ItemIdList::ForPath(path);
  return ItemIdList::ForSpecialFolder(owner, kSpecialFolderIds[static_cast<int>(folder)]);
}

std::string PathOf(TbfSpecialFolder folder, const std::string& customPath, const ItemIdList& list) {
  if (folder == TbfSpecialFolder::bfDesktop) return {};
  if (folder == TbfSpecialFolder::bfCustomPath) return customPath;
  return list.Path();
}

}  // namespace

TBrowseForFolderDialog::TBrowseForFolderDialog(HWND owner) : owner_(owner) {
  BuildRootList();
  BuildStartupList();
}

void TBrowseForFolderDialog::BuildRootList() { rootList_ = ListFor(owner_, rootFolder_, rootPath_); }
void TBrowseForFolderDialog::BuildStartupList() { startupList_ = ListFor(owner_, startupFolder_, startupPath_); }

std::string TBrowseForFolderDialog::RootPath() const { return PathOf(rootFolder_, rootPath_, rootList_); }

void TBrowseForFolderDialog::SetRootPath(const std::string& path) {
  rootPath_ = path;
  SetRootFolder(TbfSpecialFolder::bfCustomPath);
}

void TBrowseForFolderDialog::SetRootFolder(TbfSpecialFolder folder) {
  rootFolder_ = folder;
  BuildRootList();
}

std::string TBrowseForFolderDialog::StartupPath() const {
  return PathOf(startupFolder_, startupPath_, startupList_);
}

void TBrowseForFolderDialog::SetStartupPath(const std::string& path) {
  startupPath_ = path;
  SetStartupFolder(TbfSpecialFolder::bfCustomPath);
}

void TBrowseForFolderDialog::SetStartupFolder(TbfSpecialFolder folder) {
  startupFolder_ = folder;
  BuildStartupList();
}

std::string TBrowseForFolderDialog::SelectedPath() const {
  return selectedPath_.empty() ? selected_.Path() : selectedPath_;
}

void TBrowseForFolderDialog::SetSelectedPath(const std::string& path) {
  selectedPath_ = path;
  if (open_) {
    ::SendMessageA(dialog_, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(selectedPath_.c_str()));
  } else {
    SetStartupPath(path);
  }
}

void TBrowseForFolderDialog::SetStatusText(const std::string& text) {
  statusText_ = text;
  if (open_) ::SendMessageA(dialog_, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(statusText_.c_str()));
}

std::string TBrowseForFolderDialog::EditText() {
  if (open_ && editBox_) {
    const int length = ::GetWindowTextLengthA(editBox_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(editBox_, text.data(), length + 1)));
    editText_ = text;
  }
  return editText_;
}

void TBrowseForFolderDialog::SetEditText(const std::string& text) {
  editText_ = text;
  editTextSetByProgram_ = true;
  if (open_ && editBox_) {
    // The box's change notification runs DoEditChange.
    ::SendMessageA(editBox_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(editText_.c_str()));
  } else {
    DoEditChange();
  }
}

void TBrowseForFolderDialog::RequireCustomButton() const {
  if (!customButton_) throw EBrowseForFolderDialog("Custom button does not exist.");
}

void TBrowseForFolderDialog::SetCustomButtonType(TbfCustomButton type) {
  if (open_) {
    RequireCustomButton();
    switch (type) {
      case TbfCustomButton::bfbNone:
        ::DestroyWindow(customButton_);
        customButton_ = nullptr;
        break;
      case TbfCustomButton::bfbButton:
        ::SendMessageA(customButton_, BM_SETCHECK, BST_UNCHECKED, 0);
        ::SendMessageA(customButton_, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        SizeCustomButton();
        break;
      case TbfCustomButton::bfbCheckBox:
        ::SendMessageA(customButton_, BM_SETSTYLE, BS_AUTOCHECKBOX, TRUE);
        SizeCustomButton();
        break;
    }
  }
  customButtonType_ = type;
}

void TBrowseForFolderDialog::SetCustomButtonCaption(const std::string& caption) {
  if (open_) {
    RequireCustomButton();
    ::SetWindowTextA(customButton_, caption.c_str());
    customButtonCaption_ = caption;
    SizeCustomButton();
  }
  customButtonCaption_ = caption;
}

void TBrowseForFolderDialog::SetCustomButtonEnabled(bool enabled) {
  if (open_) {
    RequireCustomButton();
    ::EnableWindow(customButton_, enabled);
  }
  customButtonEnabled_ = enabled;
}

void TBrowseForFolderDialog::SetCustomButtonVisible(bool visible) {
  if (open_) {
    RequireCustomButton();
    ::ShowWindow(customButton_, visible ? SW_SHOW : SW_HIDE);
  }
  customButtonVisible_ = visible;
}

bool TBrowseForFolderDialog::CustomButtonChecked() {
  if (open_) {
    RequireCustomButton();
    customButtonChecked_ = ::SendMessageA(customButton_, BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  return customButtonChecked_;
}

void TBrowseForFolderDialog::SetCustomButtonChecked(bool checked) {
  if (open_) {
    RequireCustomButton();
    ::SendMessageA(customButton_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  customButtonChecked_ = checked;
}

bool TBrowseForFolderDialog::TreeViewHideSelection() const {
  if (open_ && treeView_) return (::GetWindowLongW(treeView_, GWL_STYLE) & TVS_SHOWSELALWAYS) == 0;
  return treeViewHideSelection_;
}

void TBrowseForFolderDialog::SetTreeViewHideSelection(bool hide) {
  treeViewHideSelection_ = hide;
  if (open_ && treeView_) {
    const LONG style = ::GetWindowLongW(treeView_, GWL_STYLE);
    ::SetWindowLongW(treeView_, GWL_STYLE, hide ? (style & ~TVS_SHOWSELALWAYS) : (style | TVS_SHOWSELALWAYS));
  }
}

UINT TBrowseForFolderDialog::BrowseFlags() const {
  struct Flag { TbfOption option; UINT flag; };
  static constexpr Flag kFlags[] = {
      {bfoBrowseForComputer, BIF_BROWSEFORCOMPUTER}, {bfoBrowseForPrinter, BIF_BROWSEFORPRINTER},
      {bfoDontGoBelowDomain, BIF_DONTGOBELOWDOMAIN}, {bfoReturnFSAncestors, BIF_RETURNFSANCESTORS},
      {bfoReturnOnlyFSDirs, BIF_RETURNONLYFSDIRS},   {bfoStatusText, BIF_STATUSTEXT},
      {bfoBrowseIncludeFiles, BIF_BROWSEINCLUDEFILES}, {bfoEdit, BIF_STATUSTEXT},
  };
  UINT flags = 0;
  for (const Flag& f : kFlags)
    if (options_ & f.option) flags |= f.flag;
  return flags;
}

bool TBrowseForFolderDialog::Execute() {
  if (OnExecuting) OnExecuting();
  ItemIdList remembered = std::move(selected_);
  if (rootList_.empty()) BuildRootList();
  // A folder given by path is parsed anew: an item-id list describes the
  // folder as it was when parsed, and the shell may compare it by its bytes.
  if (startupFolder_ == TbfSpecialFolder::bfCustomPath) BuildStartupList();
  char displayName[MAX_PATH] = "";
  BROWSEINFOA info{};
  info.hwndOwner = owner_;
  info.pidlRoot = rootList_.get();
  info.pszDisplayName = displayName;
  info.lpszTitle = title_.c_str();
  info.ulFlags = BrowseFlags();
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(this);
  pendingError_ = nullptr;
  LPITEMIDLIST chosen = ::SHBrowseForFolderA(&info);
  open_ = false;
  dialog_ = nullptr;
  editBox_ = nullptr;
  customButton_ = nullptr;
  titleLabel_ = statusLabel_ = treeView_ = okButton_ = cancelButton_ = nullptr;
  if (pendingError_) {
    if (chosen) ItemIdList::Owned(chosen).reset();
    selected_ = std::move(remembered);
    std::rethrow_exception(std::exchange(pendingError_, nullptr));
  }
  if (!chosen) {
    selected_ = std::move(remembered);
    executeResult_ = false;
  } else {
    // The selection notifications lent the shell's lists; this one is ours.
    selected_ = ItemIdList::Owned(chosen);
    executeResult_ = true;
    selDisplayName_ = displayName;
    seliImage_ = info.iImage;
  }
  if (OnExecuted) OnExecuted();
  return executeResult_;
}

int CALLBACK TBrowseForFolderDialog::BrowseCallback(HWND dialog, UINT message, LPARAM param, LPARAM data) {
  auto* self = reinterpret_cast<TBrowseForFolderDialog*>(data);
  int result = 0;
  self->Guarded([&] { result = self->HandleCallback(dialog, message, param); });
  return result;
}

int TBrowseForFolderDialog::HandleCallback(HWND dialog, UINT message, LPARAM param) {
  switch (message) {
    case BFFM_INITIALIZED:
      dialog_ = dialog;
      DoInitialized();
      return 0;
    case BFFM_SELCHANGED:
      return DoSelChanged(reinterpret_cast<LPCITEMIDLIST>(param));
    default:
      return 0;
  }
}

void TBrowseForFolderDialog::Guarded(const std::function<void()>& step) {
  if (pendingError_) return;  // the browser is closing already
  try {
    step();
  } catch (...) {
    pendingError_ = std::current_exception();
    if (dialog_) ::PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }
}

void TBrowseForFolderDialog::DoInitialized() {
  open_ = true;
  if (startupList_.empty()) BuildStartupList();
  InitDialogWindow();
  if (options_ & bfoStatusText) SetStatusText(statusText_);
  ArrangeControls();
  SetTreeViewHideSelection(treeViewHideSelection_);
  if (OnInitialized) OnInitialized();
  ::SendMessageA(dialog_, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(startupList_.get()));
}

int TBrowseForFolderDialog::DoSelChanged(LPCITEMIDLIST list) {
  selected_ = ItemIdList::Borrowed(list);
  selectedPath_ = selected_.Path();
  const std::string root = RootPath();
  if ((options_ & bfoStatusText) && (options_ & bfoStatusTextDefault))
    SetStatusText(FitToStatusLabel(PathRelativeToRoot(selectedPath_, root)));
  if ((options_ & bfoEdit) && (options_ & bfoEditDefault) && editBox_ && ::GetFocus() != editBox_)
    SetEditText(DefaultEditText(selectedPath_, root, editAttachment_));
  if (OnSelChanged) OnSelChanged();
  return 0;
}

void TBrowseForFolderDialog::DoEditChange() {
  if (!editTextSetByProgram_ && (options_ & bfoEditDefault)) {
    const std::string root = RootPath();
    SetSelectedPath(ExistingPrefix(root, editText_, [](const std::string& name) {
      return ::GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
    }));
  }
  if (OnEditChange) OnEditChange();
  editTextSetByProgram_ = false;
}

void TBrowseForFolderDialog::DoCustomButtonClick() {
  if (OnCustomButtonClick) OnCustomButtonClick();
}

}  // namespace markwash::win32
