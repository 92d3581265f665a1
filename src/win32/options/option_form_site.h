// What the option binding needs from the dialog around it: its window, its
// controls by layout name, the path label's fonts, the active page and the
// click handlers wired to controls. Kept apart from the layout's and the
// catalogue's types, so that either side can be compiled without the other.
#pragma once
#include <windows.h>

#include <functional>
#include <string_view>

namespace markwash::win32 {

struct OptionFormSite {
  std::function<HWND()> window;
  std::function<HWND(std::string_view name)> control;
  std::function<HFONT(bool bold)> labelFont;
  std::function<std::string_view()> activePageName;
  // Runs the click handler wired to the control, if any, as a click would.
  std::function<void(std::string_view name)> runClickHandler;
};

}  // namespace markwash::win32
