// Library-wide settings that outlive one dialog, like a class library's
// application object: set by a dialog, in force for the process.
#pragma once

namespace markwash::win32 {

struct Application {
  int hintHidePauseMs = 2500;  // how long a tool tip stays on screen
  int hintPauseMs = 500;       // delay before a tool tip appears
};

Application& TheApplication();

}  // namespace markwash::win32
