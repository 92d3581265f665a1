// A bevel: a lowered horizontal line along the lower edge of its area. The
// window covers its whole area (the layout docks it like a container), but
// only the line is part of it, so the controls in the area stay reachable.
#pragma once
#include <windows.h>

namespace markwash::win32 {

inline constexpr wchar_t kBevelClass[] = L"MarkwashBevel";

void RegisterBevelClass();

}  // namespace markwash::win32
