// The texts and link targets of the page "Über das Plugin...": who made the
// plug-in, where Tidy.exe comes from, the terms of distribution, and the
// addresses that its link labels open.
#pragma once
#include <string>
#include <string_view>

namespace markwash::about {

inline constexpr std::string_view kVersionDate = "2002-01-06";
inline constexpr std::string_view kVersionCaption = "Version vom 2002-01-06 (Alpha-Version)";

inline constexpr std::string_view kAuthorMail = "mw@example.org";
inline constexpr std::string_view kHomePage = "https://markwash.example.org/";
inline constexpr std::string_view kTidyProjectAddress = "https://github.com/htacg/tidy-html5";
inline constexpr std::string_view kTidyDownloadAddress = "https://binaries.html-tidy.org/";

// Captions that show an address end with it (the unit tests hold them to that).
inline constexpr std::string_view kAuthorEmailCaption = "EMail-Kontakt bezüglich des Plugins: mw@example.org";
inline constexpr std::string_view kHomePageCaption = "Homepage: https://markwash.example.org/";

inline constexpr std::string_view kAuthorNotice = "Geschrieben vom Markwash-Team";
inline constexpr std::string_view kTidyNeeded = "Das Plugin benötigt Tidy.exe vom HTML-Tidy-Projekt.";
inline constexpr std::string_view kTidyMaintainer = "Gepflegt wird Tidy.exe heute hier:";
inline constexpr std::string_view kDistributionTerms =
    "Markwash ist kostenlos. Sie dürfen das Plugin frei nutzen und unverändert weitergeben, "
    "aber nicht verkaufen. Die Nutzung geschieht auf eigene Gefahr; für Schäden wird keine "
    "Haftung übernommen.\r\n\r\n"
    "Diese Version ist eine Zwischenversion: Fehler sind möglich, eine überarbeitete Fassung folgt.";
inline constexpr std::string_view kThanks =
    "Dank an alle, die an HTML Tidy mitgewirkt haben und es bis heute pflegen,\r\n"
    "und an alle, die dieses Plugin ausprobiert und mit Hinweisen verbessert haben.\r\n\r\n"
    "Viele Grüße vom Markwash-Team!";

// The "mailto:" target of the mail link: the plug-in's name with its words
// joined by "-", then "+" and the version date, as the subject.
std::string AuthorMailTarget(std::string_view pluginName);

}  // namespace markwash::about
