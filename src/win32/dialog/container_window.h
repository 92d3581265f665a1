// Containers (panels, tab sheets, group boxes) pass the notifications of
// their children on to the dialog, so that every control event reaches one
// dispatch, however deep the control sits.
#pragma once
#include <windows.h>

namespace markwash::win32 {

inline constexpr wchar_t kContainerClass[] = L"MarkwashContainer";

void RegisterContainerClass();
// Makes an existing window (a group box button) forward like a container.
void ForwardNotificationsOf(HWND window);

}  // namespace markwash::win32
