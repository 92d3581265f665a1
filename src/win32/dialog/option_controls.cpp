// The option controls as the dialog is built: captions, items, check and
// enabled states and hints from the option catalogue, and the up-downs bound
// to their number fields.
#include <windows.h>

#include <commctrl.h>

#include "core/dialog/option_faces.h"
#include "win32/common/text_encoding.h"
#include "win32/dialog/control_set.h"
#include "win32/dialog/number_pair.h"

namespace markwash::win32 {

void ControlSet::ApplyOptionFace(const ControlSpec& row, HWND window) {
  const OptionFace* face = FindOptionFace(row.id);
  if (!face) return;
  switch (row.kind) {
    case ControlKind::CheckBox:
      ::SendMessageW(window, BM_SETCHECK, face->built.checked ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ControlKind::DropDownList:
    case ControlKind::EditableCombo:
      for (std::string_view item : face->items)
        ::SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(item).c_str()));
      ::SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(face->built.item), 0);
      break;
    default:
      break;
  }
  const std::string_view text = row.kind == ControlKind::Edit || row.kind == ControlKind::NumericEdit ||
                                        row.kind == ControlKind::EditableCombo
                                    ? face->built.text
                                    : face->caption;
  if (row.caption.empty() && !text.empty()) ::SetWindowTextW(window, Utf8ToWide(text).c_str());
  if (!face->built.enabled) ::EnableWindow(window, FALSE);
}

void ControlSet::BindUpDowns() {
  for (const Entry& e : entries_) {
    if (e.row->kind != ControlKind::UpDown) continue;
    const OptionFace* face = FindOptionFace(e.row->id);
    const ControlSpec& field = *FindControlSpec(e.row->buddy);
    HWND buddy = Get(field.id);
    BindNumberPair(e.window, buddy);
    if (face) {
      ::SendMessageW(e.window, UDM_SETRANGE32, face->min, face->max);
      ::SendMessageW(e.window, UDM_SETPOS32, 0, face->built.position);
    }
    // Binding moves the pair (the up-down onto the field's right part); the
    // layout has placed both already.
    ::MoveWindow(buddy, field.rect.left, field.rect.top, field.rect.width, field.rect.height, FALSE);
    ::MoveWindow(e.window, e.row->rect.left, e.row->rect.top, e.row->rect.width, e.row->rect.height, FALSE);
  }
}

void ControlSet::AddHints() {
  for (const Entry& e : entries_) {
    const OptionFace* face = FindOptionFace(e.row->id);
    if (face && !face->hint.empty()) hints_.Add(e.window, Utf8ToWide(face->hint));
  }
}

}  // namespace markwash::win32
