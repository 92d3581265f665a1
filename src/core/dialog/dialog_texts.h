// Texts of the option-set dialogs and questions (UTF-8), for the platform
// side that shows them.
#pragma once
#include <string_view>

namespace markwash {

inline constexpr std::string_view kResetOptionsQuestion =
    "Sollen die Einstellungen zu den Werkseinstellungen zurückgesetzt werden?\r\n"
    "Wenn Sie Nein wählen, werden die zuletzt als Standard gespeicherten Einstellungen verwendet.";

inline constexpr std::string_view kOptionFilesFilter =
    "Konfigurationsdateien (*.cfg)|*.cfg|Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*";
inline constexpr std::string_view kOptionFilesExtension = ".cfg";
inline constexpr std::string_view kOpenOptionsTitle = "HTML-Tidy Optionen öffnen";
inline constexpr std::string_view kSaveOptionsTitle = "HTML-Tidy Optionen speichern";

}  // namespace markwash
