#include "win32/common/module.h"

#include <vector>

#include "core/common/error.h"
#include "win32/common/system_error.h"

namespace markwash::win32 {
namespace {
HINSTANCE g_instance = nullptr;
std::vector<std::wstring> g_classes;
}  // namespace

void SetModuleInstance(HINSTANCE instance) { g_instance = instance; }
HINSTANCE ModuleInstance() { return g_instance; }

void RegisterLibraryClass(WNDCLASSEXW wc) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (::GetClassInfoExW(g_instance, wc.lpszClassName, &existing)) return;
  wc.cbSize = sizeof wc;
  wc.hInstance = g_instance;
  if (::RegisterClassExW(&wc)) g_classes.emplace_back(wc.lpszClassName);
}

void UnregisterLibraryClasses() {
  for (const auto& name : g_classes) ::UnregisterClassW(name.c_str(), g_instance);
  g_classes.clear();
}

std::string LibraryFileName() {
  char buffer[MAX_PATH];
  const DWORD n = ::GetModuleFileNameA(g_instance, buffer, MAX_PATH);
  if (n == 0) RaiseLastSystemError();
  // A cut-off name would put the option and placement files somewhere else.
  if (n >= MAX_PATH) throw Error(SystemErrorText(ERROR_INSUFFICIENT_BUFFER));
  return std::string(buffer, n);
}

std::wstring LoadResourceString(UINT id) {
  const wchar_t* text = nullptr;
  // With a zero buffer size the call hands out a pointer into the resource.
  const int n = ::LoadStringW(g_instance, id, reinterpret_cast<wchar_t*>(&text), 0);
  if (n <= 0 || text == nullptr) return {};
  return std::wstring(text, static_cast<size_t>(n));
}

}  // namespace markwash::win32
