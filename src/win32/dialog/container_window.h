// Containers (panels, tab sheets, group boxes) pass the notifications of
// their children on to the dialog, so that every control event reaches one
// dispatch, however deep the control sits.
#pragma once
#include <windows.h>

namespace markwash::win32 {

inline constexpr wchar_t kContainerClass[] = L"MarkwashContainer";
// A container framed by a raised outer and a lowered inner bevel; its
// children keep this many pixels from each edge.
inline constexpr wchar_t kBevelPanelClass[] = L"MarkwashBevelPanel";
inline constexpr int kBevelPanelInset = 4;

void RegisterContainerClass();  // both container classes
// Makes an existing window (a group box button) forward like a container.
void ForwardNotificationsOf(HWND window);

}  // namespace markwash::win32
