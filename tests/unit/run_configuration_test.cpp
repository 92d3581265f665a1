// The configuration one run hands to Tidy, made from the option set.
#include "core/options/run_configuration.h"

#include <gtest/gtest.h>

#include <tuple>

namespace markwash {
namespace {

// Code page 1252 for the bytes the cases use: the euro sign and Latin-1.
std::string Cp1252ToUtf8(std::string_view ansi) {
  std::string utf8;
  for (const char c : ansi) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == 0x80) utf8 += "\xE2\x82\xAC";
    else if (byte < 0x80) utf8 += c;
    else utf8 += {static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
  }
  return utf8;
}

TEST(RunConfigurationTest, TheHtml5TidyGetsItsOwnKeysAndEncodingsAnyOtherTheOptionSetAsItIs) {
  const std::string dropped = "Markwash: Diese Tidy-Version kennt die Option drop-font-tags (Font-Tags entfernen) "
                              "nicht; Font-Tags entfernt sie mit »Clean«.";
  using Notes = std::vector<std::string>;
  for (const auto& [what, option_set, code_page, kind, expected, notes] : {
           std::tuple<const char*, TextLines, unsigned, TidyKind, TextLines, Notes>{
               "factory settings",
               {"// Konfigurationsdatei f\xFCr HTML Tidy", "", "markup: yes", "hide-endtags: no", "clean: no",
                "drop-font-tags: no", "add-xml-pi: yes", "char-encoding: ascii"},
               1252, TidyKind::kHtml5,
               {"// Konfigurationsdatei f\xFCr HTML Tidy", "", "markup: yes", "omit-optional-tags: no", "clean: no",
                "add-xml-decl: yes", "char-encoding: ascii", "input-encoding: win1252"},
               {}},
           {"dropped key switched on, renamed keys in any case",
            {"Hide-Endtags: yes", "DROP-FONT-TAGS: true", "add-xml-pi:no"}, 850, TidyKind::kHtml5,
            {"omit-optional-tags: yes", "add-xml-decl:no"}, {dropped}},
           {"a key written under its new name wins wherever it stands",
            {"hide-endtags: yes", "omit-optional-tags: no", "add-xml-decl: no", "add-xml-pi: yes"}, 1252,
            TidyKind::kHtml5, {"omit-optional-tags: no", "add-xml-decl: no", "input-encoding: win1252"}, {}},
           {"values in UTF-8, unreadable characters named once per option, file names and comments in the code page",
            {"alt-text: Gr\xF6\xDF" "e f\xFCr \xC4pfel, \xD6l, \xDC" "bel: 5 \x80 \xDF", "error-file: C:\\M\xFCll.txt",
             "// \xFC", " \xFC", "css-prefix: \xE4\xF6\xFC", "char-encoding: utf8"},
            1252, TidyKind::kHtml5,
            {"alt-text: Gr\xC3\xB6\xC3\x9F" "e f\xC3\xBCr \xC3\x84pfel, \xC3\x96l, \xC3\x9C" "bel: 5 \xE2\x82\xAC \xC3\x9F",
             "error-file: C:\\M\xFCll.txt", "// \xFC", " \xFC", "css-prefix: \xC3\xA4\xC3\xB6\xC3\xBC",
             "char-encoding: utf8"},
            {"Markwash: Diese Tidy-Version kann in alt-text die Zeichen \xC3\x9F \xC3\x84 \xC3\x96 \xC3\x9C \xE2\x82\xAC "
             "nicht lesen; sie kommen ver\xC3\xA4ndert an."}},
           {"the user's input encoding", {"input-encoding: latin1"}, 1252, TidyKind::kHtml5, {"input-encoding: latin1"}, {}},
           {"raw bytes stay raw", {"char-encoding: raw"}, 1252, TidyKind::kHtml5, {"char-encoding: raw"}, {}},
           {"latin1 read on code page 1252", {"char-encoding: Latin1"}, 1252, TidyKind::kHtml5,
            {"char-encoding: Latin1", "input-encoding: win1252"}, {}},
           {"an unknown Tidy", {"hide-endtags: yes", "drop-font-tags: yes", "alt-text: \x80\xDF"}, 1252, TidyKind::kUnknown,
            {"hide-endtags: yes", "drop-font-tags: yes", "alt-text: \x80\xDF"}, {}}}) {
    const RunConfiguration run = ConfigurationForTidy(option_set, kind, code_page, Cp1252ToUtf8);
    EXPECT_EQ(run.lines, expected) << what;
    EXPECT_EQ(run.notes, notes) << what;
  }
}

}  // namespace
}  // namespace markwash
