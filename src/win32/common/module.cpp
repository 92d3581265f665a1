#include "win32/common/module.h"

#include <vector>

#include "core/common/error.h"
#include "win32/common/system_error.h"

namespace markwash::win32 {
namespace {
HINSTANCE g_instance = nullptr;
// The longest path Windows knows (with the "\\?\" prefix).
constexpr size_t kLongestPath = 32768;
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
  // The path may be longer than MAX_PATH: the buffer grows until the name fits.
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = ::GetModuleFileNameA(g_instance, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) RaiseLastSystemError();
    if (n < buffer.size()) return buffer.substr(0, n);
    // A cut-off name would put the option and placement files somewhere else.
    if (buffer.size() >= kLongestPath) throw Error(SystemErrorText(ERROR_INSUFFICIENT_BUFFER));
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring LoadResourceString(UINT id) {
  const wchar_t* text = nullptr;
  // With a zero buffer size the call hands out a pointer into the resource.
  const int n = ::LoadStringW(g_instance, id, reinterpret_cast<wchar_t*>(&text), 0);
  if (n <= 0 || text == nullptr) return {};
  return std::wstring(text, static_cast<size_t>(n));
}

}  // namespace markwash::win32
