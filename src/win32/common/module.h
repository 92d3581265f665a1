// The library's own module: its instance handle (saved at load, never the
// host's), its file name and its string resources.
#pragma once
#include <windows.h>

#include <string>

namespace markwash::win32 {

void SetModuleInstance(HINSTANCE instance);
HINSTANCE ModuleInstance();

// Window classes registered with the library's instance; all of them are
// unregistered at unload, so a later load never meets a class whose window
// procedure pointed into the unloaded library.
void RegisterLibraryClass(WNDCLASSEXW wc);
void UnregisterLibraryClasses();

// Full path of Markwash.dll itself; raises a system error when unavailable.
std::string LibraryFileName();

// A string resource of the library as UTF-16 (umlauts intact).
std::wstring LoadResourceString(UINT id);

// Ids of the plug-in's own texts in the string table.
enum ResourceText : UINT {
  kConfigHeaderText = 65314,
  kOutputTooLargeNotice = 65315,
  kTidyNotFoundQuestion = 65316,
  kSaveDefaultQuestion = 65317,
  kDownloadOfferQuestion = 65318,
  kResetQuestion = 65319,
};

}  // namespace markwash::win32
