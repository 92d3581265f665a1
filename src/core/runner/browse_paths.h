// Path rules of the folder browser's status line and edit box, as 8-bit text.
#pragma once
#include <string>
#include <string_view>

#include "core/runner/search_list.h"

namespace markwash {

// The selected path as seen from the root: the part after the root (and its
// backslash) when the path lies inside it, else the whole path. An empty
// root (the desktop) leaves the path as it is.
std::string PathRelativeToRoot(std::string_view path, std::string_view root);

// The edit box's default text for a selection: the attachment alone when the
// selection is the root itself, else the relative path without a trailing
// backslash followed by the attachment.
std::string DefaultEditText(std::string_view path, std::string_view root, std::string_view attachment);

// What typing in the edit box selects: the root (with a backslash) plus the
// typed text, cut before its last "\", "/" or ":" until it names an existing
// file or folder (or nothing is left).
std::string ExistingPrefix(std::string_view root, std::string_view typed, const FileExistsTest& exists);

// The extra button's width: its caption's extent plus its frame, raised to
// the minimum and then lowered to the maximum (the maximum wins).
int CustomButtonWidth(int text_width, int frame_width, int minimum, int maximum);

}  // namespace markwash
