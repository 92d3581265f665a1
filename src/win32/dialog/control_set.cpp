#include "win32/dialog/control_set.h"

#include <commctrl.h>

#include <algorithm>

#include "core/common/error.h"
#include "core/dialog/splitter_limits.h"
#include "win32/common/text_encoding.h"
#include "win32/dialog/bevel_line.h"
#include "win32/dialog/container_window.h"
#include "win32/dialog/enhanced_edit.h"
#include "win32/dialog/link_label.h"
#include "win32/dialog/message_view.h"
#include "win32/dialog/source_view.h"
#include "win32/dialog/dialog_keys.h"
#include "win32/common/module.h"

namespace markwash::win32 {
namespace {

UniqueFont MakeFont(const wchar_t* face, int weight, int height = -11, bool underline = false) {
  return UniqueFont(::CreateFontW(height, 0, 0, 0, weight, FALSE, underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
}

// A drop-down's window height includes its open list.
constexpr int kDropDownListHeight = 160;
constexpr COLORREF kNavy = RGB(0, 0, 128);

struct WindowStyle {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

WindowStyle StyleFor(const ControlSpec& row) {
  const DWORD base = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  const std::uint32_t f = row.flags;
  switch (row.kind) {
    case ControlKind::Panel:
      return {(f & kLoweredBevel) ? kBevelPanelClass : kContainerClass, base | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::TabSheet:
      return {kContainerClass, base | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::Splitter:
      return {kSplitterClass, base, 0};
    case ControlKind::Bevel:
      return {kBevelClass, base, WS_EX_TRANSPARENT};
    case ControlKind::GroupBox:
      return {WC_BUTTONW, base | BS_GROUPBOX, WS_EX_CONTROLPARENT};
    case ControlKind::PageControl:
      return {WC_TABCONTROLW, base | WS_CLIPCHILDREN | WS_TABSTOP, WS_EX_CONTROLPARENT};
    case ControlKind::Button:
      return {WC_BUTTONW, base | WS_TABSTOP | ((f & kDefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
    case ControlKind::CheckBox:
      return {WC_BUTTONW, base | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::DropDownList:
      return {WC_COMBOBOXW, base | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case ControlKind::EditableCombo:
      return {WC_COMBOBOXW, base | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
    case ControlKind::Edit:
      return {WC_EDITW, base | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::NumericEdit:
      return {WC_EDITW, base | WS_TABSTOP | kEnhancedEditStyle, WS_EX_CLIENTEDGE};
    case ControlKind::UpDown:
      // The number pair, not the up-down itself, keeps the field's text.
      return {UPDOWN_CLASSW, base | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0};
    case ControlKind::Memo: {
      DWORD style = base | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL;
      if (!(f & kWordWrap)) style |= ES_AUTOHSCROLL;
      if (f & kReadOnly) style |= ES_READONLY;
      if (f & kWantReturn) style |= ES_WANTRETURN;
      return {WC_EDITW, style, WS_EX_CLIENTEDGE};
    }
    case ControlKind::MessageView:
      // Read-only as the memo before it was, so automation reads it the same.
      return {kMessageViewClass, base | WS_TABSTOP | WS_VSCROLL | ((f & kReadOnly) ? ES_READONLY : 0), WS_EX_CLIENTEDGE};
    case ControlKind::SourceView:
      return {kSourceViewClass, base | WS_TABSTOP | WS_VSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Label: {
      DWORD style = base | ((f & kCentered) ? SS_CENTER : (f & kSingleLine) ? SS_LEFTNOWORDWRAP : SS_LEFT);
      if (f & kVCentered) style |= SS_CENTERIMAGE;
      return {WC_STATICW, style, 0};
    }
    case ControlKind::LinkLabel:
      return {kLinkLabelClass, base, 0};
    default:
      throw Error("The layout names a kind of control that the dialog cannot create: " + std::string(row.name));
  }
}

// The layout's look flags as the label's drawing properties and colours.
void StyleLinkLabel(TLinkLabel& label, std::uint32_t f) {
  LinkLabelStyle style;
  style.alignment = (f & kCentered) ? TextAlignment::Center : TextAlignment::Left;
  style.layout = (f & kVCentered) ? TextLayout::Center : TextLayout::Top;
  style.ellipsis = (f & kPathEllipsis)  ? TLinkLabelEllipsis::PathEllipsis
                   : (f & kEndEllipsis) ? TLinkLabelEllipsis::EndEllipsis
                                        : TLinkLabelEllipsis::NoEllipsis;
  style.word_wrap = (f & kWordWrap) != 0;
  // A path is data, not a caption: an "&" in it is shown as it is.
  style.show_accel_char = (f & kPathEllipsis) == 0;
  label.SetStyle(style);
  if (f & kTooltipColors)
    label.SetColors(::GetSysColor(COLOR_INFOTEXT), ::GetSysColor(COLOR_INFOBK));
  else if (f & kLinkFont)
    label.SetColors(kNavy, ::GetSysColor(COLOR_BTNFACE));
  if (f & kHandCursor) label.SetCursor(::LoadCursorW(nullptr, IDC_HAND));
}

// The pages of a page control begin this far below its top, as designed.
constexpr int kTabRowHeight = 24;

// Tabs as high as designed, so that the pages get the designed size whatever
// the system's tab metrics.
void MatchTabRowHeight(HWND tabs) {
  RECT area{0, 0, 400, 400};
  ::SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  RECT tab{};
  if (area.top == kTabRowHeight || !::SendMessageW(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab))) return;
  ::SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(tab.right - tab.left, tab.bottom - tab.top + kTabRowHeight - area.top));
}

}  // namespace

ControlSet::ControlSet()
    : normalFont_(MakeFont(L"MS Sans Serif", FW_NORMAL)),
      boldFont_(MakeFont(L"MS Sans Serif", FW_BOLD)),
      fixedFont_(MakeFont(L"Courier New", FW_NORMAL)),
      titleFont_(MakeFont(L"MS Sans Serif", FW_BOLD, -19)),
      linkFont_(MakeFont(L"MS Sans Serif", FW_NORMAL, -11, true)) {}

void ControlSet::Create(HWND form) {
  form_ = form;
  RegisterContainerClass();
  RegisterSplitterClass();
  RegisterBevelClass();
  TLinkLabel::RegisterClass();
  TMessageView::RegisterClass();
  TSourceView::RegisterClass();
  hints_.Create(form);
  const auto& layout = DialogLayout();
  entries_.reserve(layout.size());
  for (size_t i = 0; i < layout.size(); ++i) {
    const ControlSpec& row = layout[i];
    HWND window = CreateWindowFor(row, ParentOf(row), kFirstControlId + static_cast<int>(i));
    entries_.push_back({&row, window, row.rect, row.rect.width, row.rect.height});
  }
  BindUpDowns();
  AddHints();
  for (const Entry& e : entries_) {
    if (e.row->kind != ControlKind::PageControl) continue;
    MatchTabRowHeight(e.window);
    ::SendMessageW(e.window, TCM_SETCURSEL, 0, 0);  // every page control opens on its first page
    ShowSelectedSheet(e.row->id);
  }
  Arrange();
}

void ControlSet::ShowSelectedSheet(ControlId pageControl) {
  const auto selected = ::SendMessageW(Get(pageControl), TCM_GETCURSEL, 0, 0);
  const std::string_view name = LayoutRow(pageControl).name;
  int index = 0;
  for (const Entry& e : entries_) {
    if (e.row->parent != name || e.row->kind != ControlKind::TabSheet) continue;
    // The page is erased with its next paint, not once more beforehand: the
    // switch that ends a run costs no extra pass over the page.
    const UINT show = index++ == selected ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    ::SetWindowPos(e.window, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE | show);
  }
}

HWND ControlSet::CreateWindowFor(const ControlSpec& row, HWND parent, int id) {
  const WindowStyle ws = StyleFor(row);
  DWORD style = ws.style;
  if (row.flags & kDisabled) style |= WS_DISABLED;
  // Tab sheets are shown one at a time by the page control.
  if (row.kind == ControlKind::TabSheet) style &= ~WS_VISIBLE;
  const bool isCombo = row.kind == ControlKind::DropDownList || row.kind == ControlKind::EditableCombo;
  const std::wstring caption = Utf8ToWide(row.caption);
  HWND window = ::CreateWindowExW(ws.exStyle, ws.className, caption.c_str(), style, row.rect.left, row.rect.top,
                                  row.rect.width, row.rect.height + (isCombo ? kDropDownListHeight : 0), parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ModuleInstance(),
                                  static_cast<SplitterHost*>(this));
  if (!window) throw Error("Cannot create the window " + std::string(row.name));
  ::SetPropW(window, kControlNameProperty, reinterpret_cast<HANDLE>(const_cast<char*>(row.name.data())));
  ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(row)), FALSE);
  switch (row.kind) {
    case ControlKind::GroupBox:
      ForwardNotificationsOf(window);
      break;
    case ControlKind::TabSheet: {
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      std::wstring text = caption;
      item.pszText = text.data();
      const int count = static_cast<int>(::SendMessageW(parent, TCM_GETITEMCOUNT, 0, 0));
      ::SendMessageW(parent, TCM_INSERTITEMW, count, reinterpret_cast<LPARAM>(&item));
      break;
    }
    case ControlKind::NumericEdit:
      MakeEnhancedEdit(window);
      break;
    case ControlKind::Memo:
      LeaveDialogKeysToDialog(window);
      break;
    case ControlKind::LinkLabel:
      StyleLinkLabel(*TLinkLabel::Of(window), row.flags);
      break;
    default:
      break;
  }
  if (isCombo) {
    // The closed box keeps the layout's height: the selection field is the
    // item height plus the frame.
    ::SendMessageW(window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), row.rect.height - 6);
  }
  if (row.flags & kAccelUnbound) LeaveAcceleratorUnbound(window);
  if (row.flags & kChecked) ::SendMessageW(window, BM_SETCHECK, BST_CHECKED, 0);
  ApplyOptionFace(row, window);
  return window;
}

HFONT ControlSet::FontFor(const ControlSpec& row) const {
  if (row.flags & kFixedFont) return fixedFont_.get();
  if (row.flags & kTitleFont) return titleFont_.get();
  if (row.flags & kLinkFont) return linkFont_.get();
  if (row.flags & kBold) return boldFont_.get();
  return normalFont_.get();
}

HWND ControlSet::Find(std::string_view name) const {
  const ControlSpec* row = FindControlSpec(name);
  return row && Created() ? Get(row->id) : nullptr;
}

HWND ControlSet::Get(ControlId id) const { return entries_.at(static_cast<size_t>(id)).window; }

HWND ControlSet::ParentOf(const ControlSpec& row) const {
  if (row.parent == kFormName) return form_;
  const ControlSpec* parent = FindControlSpec(row.parent);
  if (!parent) throw Error("The dialog has no control named " + std::string(row.parent));
  return Get(parent->id);
}

int ControlSet::IdOf(ControlId id) const { return kFirstControlId + static_cast<int>(id); }

std::optional<ControlId> ControlSet::IdFromCommand(int id) const {
  const int index = id - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(entries_.size())) return std::nullopt;
  return static_cast<ControlId>(index);
}

ControlId ControlSet::DefaultButton() const {
  for (const ControlSpec& row : DialogLayout())
    if (row.flags & kDefaultButton) return row.id;
  throw Error("The layout has no default button");
}

int ControlSet::DockedWidth(ControlId id) const { return entries_.at(static_cast<size_t>(id)).docked.width; }

void ControlSet::SetDockedWidth(ControlId id, int width) {
  Entry& e = entries_.at(static_cast<size_t>(id));
  e.docked.width = e.wantedWidth = width;
}

int ControlSet::DockedHeight(ControlId id) const { return entries_.at(static_cast<size_t>(id)).docked.height; }

void ControlSet::SetDockedHeight(ControlId id, int height) {
  Entry& e = entries_.at(static_cast<size_t>(id));
  e.docked.height = e.wantedHeight = height;
}

namespace {

// The group that a splitter resizes.
const ControlSpec* SplitterGroup(HWND splitter) {
  const ControlSpec* row = FindControlSpec(static_cast<const char*>(::GetPropW(splitter, kControlNameProperty)));
  return row ? FindControlSpec(row->buddy) : nullptr;
}

}  // namespace

bool ControlSet::SplitterResizesHeight(HWND splitter) const {
  const ControlSpec* row = FindControlSpec(static_cast<const char*>(::GetPropW(splitter, kControlNameProperty)));
  return row && (row->dock == Dock::Top || row->dock == Dock::Bottom);
}

int ControlSet::SplitterGroupSize(HWND splitter) const {
  const ControlSpec* group = SplitterGroup(splitter);
  if (!group) return 0;
  return SplitterResizesHeight(splitter) ? DockedHeight(group->id) : DockedWidth(group->id);
}

void ControlSet::SplitterDragged(HWND splitter, int startSize, int delta) {
  const ControlSpec* row = FindControlSpec(static_cast<const char*>(::GetPropW(splitter, kControlNameProperty)));
  const ControlSpec* group = SplitterGroup(splitter);
  if (!row || !group) return;
  const bool heights = SplitterResizesHeight(splitter);
  // A splitter on the left or top edge grows its group as it moves right or down.
  const int requested = row->dock == Dock::Left || row->dock == Dock::Top ? startSize + delta : startSize - delta;
  int dockedSizes = 0;
  for (Entry& e : entries_) {
    if (e.row->parent != row->parent) continue;
    if (heights && (e.row->dock == Dock::Top || e.row->dock == Dock::Bottom)) {
      dockedSizes += e.docked.height;
    } else if (!heights && (e.row->dock == Dock::Left || e.row->dock == Dock::Right)) {
      dockedSizes += e.docked.width;
      e.wantedWidth = e.docked.width;  // a drag starts from what the user sees
    }
  }
  RECT page;
  ::GetClientRect(::GetParent(splitter), &page);
  const int pageSize = heights ? page.bottom - page.top : page.right - page.left;
  const int current = heights ? DockedHeight(group->id) : DockedWidth(group->id);
  const int size = ClampSplitterWidth(requested, ComputeSplitterLimits(row->minSize, pageSize, dockedSizes, current));
  if (heights)
    SetDockedHeight(group->id, size);
  else
    SetDockedWidth(group->id, size);
  Arrange();
}

void ControlSet::Arrange() {
  ArrangeChildrenOf(kFormName, form_);
  for (const Entry& e : entries_) ArrangeChildrenOf(e.row->name, e.window);
}

void ControlSet::ArrangeChildrenOf(std::string_view parentName, HWND parent) {
  const bool hasDocked = std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
    return e.row->parent == parentName && e.row->dock != Dock::None;
  });
  if (!hasDocked) return;
  RECT client;
  ::GetClientRect(parent, &client);
  const ControlSpec* parentRow = FindControlSpec(parentName);
  if (parentRow && parentRow->kind == ControlKind::PageControl) {
    ::SendMessageW(parent, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&client));
  } else if (parentRow && (parentRow->flags & kLoweredBevel)) {
    ::InflateRect(&client, -kBevelPanelInset, -kBevelPanelInset);
  } else if (parentRow && parentRow->kind == ControlKind::GroupBox) {
    // The frame and the caption line take this much of a group box.
    client.top += 15;
    ::InflateRect(&client, -2, 0);
    client.bottom -= 2;
  }
  FitSideGroupsOf(parentName, client.right - client.left);
  FitSplitPanelOf(parentName, client.bottom - client.top);
  std::vector<Entry*> children;
  std::vector<DockItem> items;
  for (Entry& e : entries_) {
    if (e.row->parent != parentName || e.row->dock == Dock::None) continue;
    children.push_back(&e);
    items.push_back({e.row->dock, e.docked});
  }
  ArrangeDocked({client.left, client.top, client.right - client.left, client.bottom - client.top}, items);
  HDWP batch = ::BeginDeferWindowPos(static_cast<int>(items.size()));
  for (size_t i = 0; i < items.size(); ++i) {
    children[i]->docked = items[i].rect;
    const Rect& r = items[i].rect;
    if (batch)
      // No copied bits: a moved container is painted afresh with its
      // children, or scraps of its old place would stay on the screen.
      batch = ::DeferWindowPos(batch, children[i]->window, nullptr, r.left, r.top, r.width, r.height,
                               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  }
  if (batch) ::EndDeferWindowPos(batch);
}

}  // namespace markwash::win32
