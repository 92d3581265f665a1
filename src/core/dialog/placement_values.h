// Value rules of the placement file (ini section "GUI"): how text values are
// written so that the profile read gives them back, how position words and
// numbers are read, and how stored names map to the dialog's state.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace markwash {

// Trimmed of surrounding spaces and control characters; a value that begins and ends with the same
// kind of quote gets one more pair of double quotes, which the read removes.
std::string EncodeProfileText(std::string_view value);

// What the profile read gives for a stored value: blanks around it dropped,
// then one pair of enclosing double or single quotes removed.
std::string DecodeProfileText(std::string_view stored);

// Four whole numbers, e.g. left, top, right, bottom.
using PositionWords = std::array<int, 4>;

// "a,b,c,d" with no spaces.
std::string FormatPositionWords(const PositionWords& words);

// Splits at commas and spaces; a missing or bad word takes its default.
PositionWords ParsePositionWords(std::string_view text, const PositionWords& defaults);

enum class WindowState { Normal, Minimized, Maximized };

// 1, 5, 9 normal; 2, 6, 7 minimized; 3 maximized; anything else normal.
WindowState WindowStateFromShowCmd(int show_cmd);

// The key of one screen resolution: "NormPos" -> "NormPos(1024x768)".
std::string ScreenSizeKey(std::string_view key, int screen_width, int screen_height);

// The page a stored component name selects among the page names, ignoring
// letter case; "form.page" is searched in the named form only when that is
// this dialog. "(null)", an unknown name or one that is no page: none.
std::optional<size_t> FindPageByName(std::string_view stored, std::string_view form_name,
                                     const std::vector<std::string>& page_names);

}  // namespace markwash
