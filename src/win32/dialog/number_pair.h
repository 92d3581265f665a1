// An up-down control and its number field as one pair. The field's text
// shows the position in the system's number conventions (thousands
// separator from 1000 on), a step starts from the number in the field and
// stops at the ends of the range, and reading the position takes the field's
// number when it is a whole number within the range, else the last valid
// position stays. The pair keeps the text itself rather than leaving it to
// the up-down's own buddy handling, which not every system formats with the
// user's separators.
#pragma once
#include <windows.h>

#include <commctrl.h>

namespace markwash::win32 {

void BindNumberPair(HWND upDown, HWND field);

// For the up-down's UDN_DELTAPOS notification: takes the step; true when the
// up-down belongs to a pair (the notification's answer is then "handled").
bool StepNumberPair(const NMUPDOWN& step);

}  // namespace markwash::win32
