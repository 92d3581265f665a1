// The dialog's own texts (UTF-8) that need no resource: titles, captions and
// questions of the pages and of the file and folder dialogs. The texts that
// the library must carry as resources are in its string table (markwash.rc);
// the about page's texts are in about_page_texts.h.
#pragma once
#include <string_view>

namespace markwash {

inline constexpr std::string_view kOptionFilesFilter =
    "Konfigurationsdateien (*.cfg)|*.cfg|Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*";
inline constexpr std::string_view kOpenOptionsTitle = "HTML-Tidy Optionen öffnen";
inline constexpr std::string_view kSaveOptionsTitle = "HTML-Tidy Optionen speichern";

inline constexpr std::string_view kPrintQuestion =
    "Sollen die Meldungen jetzt auf dem Standarddrucker ausgegeben werden?";

inline constexpr std::string_view kFolderBrowserTitle =
    "Bitte wählen Sie den Ordner mit Tidy.exe (Tidy-Download von https://www.html-tidy.org/).";
inline constexpr std::string_view kSearchButtonCaption = "Tidy automatisch suchen";

}  // namespace markwash
