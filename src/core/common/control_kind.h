// The kinds of the dialog's windows. The layout names every window's kind and
// the option catalogue the kind of each option control, in the same terms.
#pragma once

namespace markwash {

enum class ControlKind {
  Panel,        // plain container
  GroupBox,     // container with a framed caption
  PageControl,  // tab control holding TabSheets
  TabSheet,
  Splitter,
  Bevel,        // a horizontal line at the bottom of its area
  Button,
  CheckBox,
  DropDownList,   // fixed items, a selection index or none
  EditableCombo,  // fixed items plus free text
  Edit,
  NumericEdit,    // the text field of a number; its up-down holds the number
  UpDown,
  Label,
  LinkLabel,
  Memo,
  MessageView,  // Tidy's messages, wrapped, drawn as far as in sight
  SourceView,   // the document with line numbers, drawn as far as in sight
};

}  // namespace markwash
