// Library load and unload.
#include <objbase.h>
#include <windows.h>

#include "win32/common/module.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  using namespace markwash::win32;
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      SetModuleInstance(instance);
      ::DisableThreadLibraryCalls(instance);
      ::CoInitialize(nullptr);
      break;
    case DLL_PROCESS_DETACH:
      // At process exit (reserved != null) the system cleans up; COM and the
      // window classes are only released on a real unload.
      if (reserved == nullptr) {
        UnregisterLibraryClasses();
        ::CoUninitialize();
      }
      break;
    default:
      break;
  }
  return TRUE;
}
