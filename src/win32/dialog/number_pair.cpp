#include "win32/dialog/number_pair.h"

#include <climits>
#include <string>

#include "core/dialog/numeric_text.h"
#include "win32/common/text_encoding.h"
#include "win32/common/window_guard.h"
#include "win32/common/window_text.h"

namespace markwash::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x4E50;  // "NP"

char LocaleCharacter(LCTYPE type, char fallback) {
  wchar_t text[8] = L"";
  if (!::GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 8) || !text[0]) return fallback;
  const std::string ansi = WideToAnsi(std::wstring_view(text, 1));
  return ansi.size() == 1 ? ansi[0] : fallback;
}

NumberConventions SystemConventions() {
  return {LocaleCharacter(LOCALE_SDECIMAL, '.'), LocaleCharacter(LOCALE_STHOUSAND, ',')};
}

UpDownRange RangeOf(HWND upDown) {
  UpDownRange range;
  ::DefSubclassProc(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&range.min), reinterpret_cast<LPARAM>(&range.max));
  return range;
}

int StoredPosition(HWND upDown) { return static_cast<int>(::DefSubclassProc(upDown, UDM_GETPOS32, 0, 0)); }

// The field's number, or INT_MIN when the text is no whole number in range.
int FieldNumber(HWND upDown, HWND field) {
  return ReadUpDownPosition(WideToAnsi(WindowText(field)), RangeOf(upDown), SystemConventions(), INT_MIN);
}

void ShowPosition(HWND upDown, HWND field) {
  const std::wstring text = AnsiToWide(FormatUpDownPosition(StoredPosition(upDown), SystemConventions()));
  ::SetWindowTextW(field, text.c_str());
}

LRESULT HandlePairProc(HWND upDown, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  HWND field = reinterpret_cast<HWND>(data);
  switch (message) {
    case UDM_SETPOS:
    case UDM_SETPOS32: {
      const LRESULT previous = ::DefSubclassProc(upDown, message, wParam, lParam);
      ShowPosition(upDown, field);
      return previous;
    }
    case UDM_GETPOS:
    case UDM_GETPOS32: {
      const int number = FieldNumber(upDown, field);
      if (number != INT_MIN) ::DefSubclassProc(upDown, UDM_SETPOS32, 0, number);
      const int position = StoredPosition(upDown);
      if (message == UDM_GETPOS) return MAKELONG(position, number == INT_MIN ? 1 : 0);
      if (lParam) *reinterpret_cast<BOOL*>(lParam) = number == INT_MIN;
      return position;
    }
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(upDown, GuardedSubclassProc<HandlePairProc>, kSubclassId);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(upDown, message, wParam, lParam);
}


// When the user leaves the field, it shows the number in effect: a typed
// text that is no whole number within the range (33 for the indentation,
// 40000 or -5 for the wrap width, abc) gives way to the last valid number,
// which is what the option set reads. So what the user sees is what Tidy gets.
LRESULT HandleFieldLeftProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  if (message == WM_KILLFOCUS) {
    const LRESULT result = ::DefSubclassProc(field, message, wParam, lParam);
    HWND upDown = reinterpret_cast<HWND>(data);
    const auto position = static_cast<int>(::SendMessageW(upDown, UDM_GETPOS32, 0, 0));
    const std::wstring shown = AnsiToWide(FormatUpDownPosition(position, SystemConventions()));
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(field)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
    if (text != shown) ::SetWindowTextW(field, shown.c_str());
    return result;
  }
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(field, GuardedSubclassProc<HandleFieldLeftProc>, kSubclassId);
  return ::DefSubclassProc(field, message, wParam, lParam);
}

}  // namespace

void BindNumberPair(HWND upDown, HWND field) {
  ::SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field), 0);
  ::SetWindowSubclass(upDown, GuardedSubclassProc<HandlePairProc>, kSubclassId, reinterpret_cast<DWORD_PTR>(field));
  ::SetWindowSubclass(field, GuardedSubclassProc<HandleFieldLeftProc>, kSubclassId, reinterpret_cast<DWORD_PTR>(upDown));
}

bool StepNumberPair(const NMUPDOWN& step) {
  HWND upDown = step.hdr.hwndFrom;
  DWORD_PTR data = 0;
  if (!::GetWindowSubclass(upDown, GuardedSubclassProc<HandlePairProc>, kSubclassId, &data)) return false;
  HWND field = reinterpret_cast<HWND>(data);
  const int number = FieldNumber(upDown, field);
  const int from = number == INT_MIN ? StoredPosition(upDown) : number;
  const int to = StepUpDownPosition(from, step.iDelta > 0 ? 1 : -1, RangeOf(upDown));
  ::SendMessageW(upDown, UDM_SETPOS32, 0, to);
  return true;
}

}  // namespace markwash::win32
