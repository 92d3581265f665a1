#include "dialog_access.h"

#include <cstring>

namespace bench {
namespace {

// The property the plug-in sets on each control: its layout name.
constexpr wchar_t kNameProperty[] = L"MarkwashName";

struct NameSearch {
  const char* name;
  HWND found;
};

BOOL CALLBACK MatchName(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<NameSearch*>(param);
  const auto* name = static_cast<const char*>(::GetPropW(window, kNameProperty));
  if (name && std::strcmp(name, search->name) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  if (pid == ::GetCurrentProcessId() && ::IsWindowVisible(window) && Control(window, "bRunTidy")) {
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
  }
  return TRUE;
}

// The page's visible scrolling control nearest its top: the messages lie
// above anything else that scrolls there.
BOOL CALLBACK MatchTopScrollingChild(HWND window, LPARAM param) {
  auto* top = reinterpret_cast<HWND*>(param);
  const LONG style = ::GetWindowLongW(window, GWL_STYLE);
  if (!(style & WS_VSCROLL) || !::IsWindowVisible(window)) return TRUE;
  RECT candidate, best;
  ::GetWindowRect(window, &candidate);
  if (!*top || (::GetWindowRect(*top, &best) && candidate.top < best.top)) *top = window;
  return TRUE;
}

}  // namespace

HWND FindDialog() {
  HWND dialog = nullptr;
  ::EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&dialog));
  return dialog;
}

HWND Control(HWND dialog, const char* name) {
  NameSearch search{name, nullptr};
  ::EnumChildWindows(dialog, MatchName, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

HWND MessagesView(HWND dialog) {
  if (HWND view = Control(dialog, "mErrors")) return view;
  HWND page = Control(dialog, "tsError");
  HWND view = nullptr;
  if (page) ::EnumChildWindows(page, MatchTopScrollingChild, reinterpret_cast<LPARAM>(&view));
  return view;
}

}  // namespace bench
