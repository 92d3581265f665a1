#include "core/options/run_configuration.h"

#include <algorithm>

#include "core/options/config_lines.h"

namespace markwash {
namespace {

struct Rename {
  std::string_view old_key;
  std::string_view new_key;
};
constexpr Rename kRenames[] = {{"hide-endtags", "omit-optional-tags"}, {"add-xml-pi", "add-xml-decl"}};
constexpr std::string_view kDroppedKey = "drop-font-tags";
// Tidy opens these itself with the C library's file functions, which take
// the code page's bytes.
constexpr std::string_view kFileNameKeys[] = {"error-file", "output-file", "gnu-emacs-file"};
// Encodings that read the editor's bytes as Latin-1: on code page 1252 that
// is right except for the typographic characters at 0x80-0x9F.
constexpr std::string_view kLatin1Readings[] = {"ascii", "latin1"};

constexpr char kDroppedKeyNote[] =
    "Markwash: Diese Tidy-Version kennt die Option drop-font-tags (Font-Tags entfernen) nicht; "
    "Font-Tags entfernt sie mit »Clean«.";

// The key of a line "key: value" in its first column; empty for comments,
// continuation lines and anything else.
std::string_view KeyOf(std::string_view line) {
  if (line.empty() || line[0] == '/' || line[0] == '#' || static_cast<unsigned char>(line[0]) <= 0x20) return {};
  const size_t colon = line.find(':');
  return colon == std::string_view::npos ? std::string_view() : line.substr(0, colon);
}

bool IsKey(std::string_view line, std::string_view key) { return EqualsIgnoreAsciiCase(KeyOf(line), key); }

template <size_t N>
bool IsOneOf(std::string_view text, const std::string_view (&names)[N]) {
  return std::any_of(std::begin(names), std::end(names),
                     [&](std::string_view name) { return EqualsIgnoreAsciiCase(text, name); });
}

void RemoveKey(TextLines& lines, std::string_view key) {
  lines.erase(std::remove_if(lines.begin(), lines.end(), [&](const std::string& line) { return IsKey(line, key); }),
              lines.end());
}

// Tidy's own reading of a yes/no value: by its first letter.
bool IsSwitchedOn(std::string_view value) {
  return !value.empty() && std::string_view("yYtT1").find(value[0]) != std::string_view::npos;
}

void ApplyRenames(TextLines& lines) {
  for (const Rename& rename : kRenames) {
    // A line the user wrote under the new name wins wherever it stands.
    if (FindKeyLine(lines, rename.new_key) >= 0) {
      RemoveKey(lines, rename.old_key);
      continue;
    }
    for (std::string& line : lines) {
      if (IsKey(line, rename.old_key)) line = std::string(rename.new_key) + line.substr(rename.old_key.size());
    }
  }
}

// Tidy reads its configuration byte by byte and takes 0x80-0x9F for
// characters of code page 1252, keeping only their low byte: a UTF-8
// sequence with such a continuation byte arrives broken, and nothing spelt
// in the file brings it back (character references stay literal text).
std::vector<std::string> UnreadableCharacters(std::string_view utf8) {
  std::vector<std::string> found;
  for (size_t at = 0; at < utf8.size();) {
    size_t end = at + 1;
    bool unreadable = false;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) {
      unreadable = unreadable || static_cast<unsigned char>(utf8[end]) < 0xA0;
      ++end;
    }
    const std::string character(utf8.substr(at, end - at));
    if (unreadable && std::find(found.begin(), found.end(), character) == found.end()) found.push_back(character);
    at = end;
  }
  return found;
}

void ConvertValues(TextLines& lines, const AnsiToUtf8& to_utf8, std::vector<std::string>& notes) {
  for (std::string& line : lines) {
    const std::string_view key = KeyOf(line);
    if (key.empty() || IsOneOf(key, kFileNameKeys)) continue;
    const std::string name(key);
    line = name + to_utf8(std::string_view(line).substr(name.size()));
    const std::vector<std::string> unreadable = UnreadableCharacters(line);
    if (unreadable.empty()) continue;
    std::string note = "Markwash: Diese Tidy-Version kann in " + name + " die Zeichen";
    for (const std::string& character : unreadable) note += " " + character;
    note += " nicht lesen; sie kommen verändert an.";
    notes.push_back(std::move(note));
  }
}

bool ReadsEditorTextAsLatin1(const TextLines& lines) {
  if (FindKeyLine(lines, "input-encoding") >= 0) return false;
  return FindKeyLine(lines, "char-encoding") < 0 || IsOneOf(GetKeyValue(lines, "char-encoding"), kLatin1Readings);
}

}  // namespace

RunConfiguration ConfigurationForTidy(const TextLines& option_set, TidyKind kind, unsigned ansi_code_page,
                                      const AnsiToUtf8& to_utf8) {
  RunConfiguration run{option_set, {}};
  if (kind != TidyKind::kHtml5) return run;
  ApplyRenames(run.lines);
  if (IsSwitchedOn(GetKeyValue(run.lines, kDroppedKey))) run.notes.push_back(kDroppedKeyNote);
  RemoveKey(run.lines, kDroppedKey);
  ConvertValues(run.lines, to_utf8, run.notes);
  // Read as Latin-1, every €, „ and – of the editor's text draws a false
  // warning; read as what it is, the same output comes without them.
  if (ansi_code_page == kWesternCodePage && ReadsEditorTextAsLatin1(run.lines))
    run.lines.push_back("input-encoding: win1252");
  return run;
}

}  // namespace markwash
