#include "core/options/catalogue.h"

#include <utility>

namespace markwash {
namespace {

using C = OptionControl;

constexpr std::string_view kSource = "gSourceFormatting";
constexpr std::string_view kHtml = "gHtmlProperties";
constexpr std::string_view kInput = "gInput";
constexpr std::string_view kOutput = "gOutput";
constexpr std::string_view kFormats = "gFormats";

constexpr std::string_view kMarkupHint =
    "Wenn aktiv erzeugt HTML eine korrigierte und verschönerte Version\r\n"
    "des Quelltextes, die mit OK in den HTML-Editor übernommen werden\r\n"
    "kann. Diese Option ist unwirksam wenn Tidy unbekannte tags, fehlende\r\n"
    "Anführungszeichen bei Attributen oder fehlende schließende '>'  bei Tags\r\n"
    "findet, in diesem Fall werden nur die Fehler angezeigt.";
constexpr std::string_view kWrapHint =
    "Wenn aktiviert, umbricht Tidy den Quelltext\r\n"
    "spätestens nach der angegebenen Zahl von\r\n"
    "Zeichen in einer Zeile.";
constexpr std::string_view kWrapWidthHint =
    "Gibt die Anzahl der Zeichen an, nach denen die \r\n"
    "Zeilen am rechten Rand umgebrochen werden.";
constexpr std::string_view kWrapAttributesHint =
    "Wenn aktiviert, darf Tidy lange \r\n"
    "Attribute umbrechen.";
constexpr std::string_view kWrapAspHint =
    "Wenn deaktiviert, werden ASP-Pseudo-Tags (<% %>) \r\n"
    "nicht mehr umbrochen. Standard: aktiviert.";
constexpr std::string_view kIndentHint =
    "Wenn ja wird Tidy Block-Level Tags einrücken.\r\n"
    "Wenn auto, entscheidet Tidy über die Einrückung von \r\n"
    "Tags wie h1-h6, li oder p abhängig davon ob der Inhalt\r\n"
    "dieser Tags ein Block-Level-Element enthält.";
constexpr std::string_view kIndentSpacesHint =
    "Gibt an, wieviele Spalten\r\n"
    "eingerückt wird.";
constexpr std::string_view kIndentAttributesHint =
    "Wenn ja, beginnt jedes Attribut \r\n"
    "in einer neuen Zeile.";
constexpr std::string_view kHideEndTagsHint =
    "Wenn aktiv werden optionale schließende Tags weggelassen,\r\n"
    "wenn die formatierte Ausgabe erstellt wird. Diese Option wird\r\n"
    "ignoriert, wenn das Zielformat XML ist.";
constexpr std::string_view kEncloseTextHint =
    "Wenn gesetzt, wird Text, der direkt im <body>-Element\r\n"
    "steht, immer mit <p> umschlossen. \r\n"
    "\r\n"
    "Nützlich ist diese Option, wenn eine vorhandene HTML-\r\n"
    "Datei mit einem Style-Sheet versehen werden soll. Text\r\n"
    "auf Ebene des Body-Elements zerstört die Ränder.";
constexpr std::string_view kDropEmptyParasHint =
    "Wenn aktiviert, werden leere Absätze verworfen,\r\n"
    "ansonsten werden sie durch zwei <br>-Elemente\r\n"
    "ersetzt.";
constexpr std::string_view kFixBackslashHint =
    "Ersetzt Backslashes in URLs (\\)\r\n"
    "durch Vorwärts-Schrägstriche (/).";
constexpr std::string_view kWord2000Hint =
    "Wenn aktiviert, versucht Tidy, den zusätzlichen Kram\r\n"
    "zu entfernen, den Microsoft Word 2000 einfügt, wenn \r\n"
    "man Word-Dokumente als \"Webseiten\" speichert.";
constexpr std::string_view kCleanHint =
    "Diese Option veranlasst Tidy, restliche Gestaltungs-Tags\r\n"
    "und Attribute durch Style-Regeln und strukturelle Tags\r\n"
    "zu ersetzen, wenn passend.\r\n"
    "Dies funktioniert mit dem HTML, das von MS Office '97\r\n"
    "geschrieben wird.";
constexpr std::string_view kDropFontTagsHint =
    "Wenn (zusamen mit »Clean«) aktiviert,\r\n"
    "entfernt Tidy Tags wie <font>, <center>\r\n"
    "anstatt sie durch Style-Regeln zu ersetzen.";
constexpr std::string_view kLogicalEmphasisHint =
    "Wenn aktiv ersetzt Tidy Vorkommen von <i> durch <em>\r\n"
    "und <b> durch <strong>. Attribute bleiben erhalten. Wenn\r\n"
    "diese Option aktiv ist, wird auch automatisch Clean aktiviert.";
constexpr std::string_view kAltTextHint =
    "Hier kann ein Text angegeben werden, der bei\r\n"
    "allen <img>-Tags als Alternativtext angegeben\r\n"
    "wird, die noch kein alt-Tag haben. \r\n"
    "\r\n"
    "ACHTUNG: Dies unterdrückt weitere Warnungen.\r\n"
    "SIE SIND VERANTWORTLICH, BENUTZERN IHRE\r\n"
    "DOKUMENTE ZUGÄNGLICH ZU MACHEN, DIE DIE\r\n"
    "BILDER NICHT SEHEN KÖNNEN!";
constexpr std::string_view kAssumeXmlProcinsHint =
    "Wenn aktiv, erwartet Tidy beim Analysieren\r\n"
    "der Eingabe Processing Instructions im XML-\r\n"
    "Format (d.h. mit ?>statt > als Terminator).\r\n"
    "Äh, man erkläre mir, was ich da gerade \r\n"
    "geschrieben habe.";
constexpr std::string_view kAddXmlPiHint =
    "If set to yes, Tidy will use add the XML processing instruction\r\n"
    "when outputting XML or XHTML. The default is yes. Note that if\r\n"
    "the input document includes an XML PI, then it will appear in\r\n"
    "the output independent of the value of this option.";
constexpr std::string_view kDocTypeHint =
    "Gibt den <!DOCTYPE> des Ziel-Dokuments an.\r\n"
    "- omit: kein Doctype\r\n"
    "- auto: Doctype wird automatisch ermittelt (Standard)\r\n"
    "- strict: HTML 4 Strict\r\n"
    "- loose: HTML 4 Transitional (Loose)\r\n"
    "Oder geben Sie einen fpi für den Doctype an.";
constexpr std::string_view kTidyMarkHint =
    "Wenn aktiviert, hinterlässt Tidy ein Meta-Tag \r\n"
    "in der Ausgabedatei, das anzeigt, dass Tidy \r\n"
    "die Datei bearbeitet hat.";
constexpr std::string_view kTidyPathHint =
    "Hier steht der Pfad zum vom Plugin verwendeten \r\n"
    "Programm Tidy.exe.\r\n"
    "\r\n"
    "Um den Pfad zu ändern, hier klicken. Auch diese \r\n"
    "Einstellung wird in den Konfigurationsdateien gespeichert,\r\n"
    "ist jedoch nur für das Plugin von Bedeutung.";
constexpr std::string_view kNewTagsCaption = "Neue &Tags: (z.B. cfoutput, cfquery)";

constexpr ControlState Check(bool checked, bool enabled = true) {
  ControlState state;
  state.checked = checked;
  state.enabled = enabled;
  return state;
}

constexpr ControlState Item(int item, std::string_view text = {}) {
  ControlState state;
  state.item = item;
  state.text = text;
  return state;
}

constexpr ControlState Text(std::string_view text, bool enabled = true) {
  ControlState state;
  state.text = text;
  state.enabled = enabled;
  return state;
}

constexpr ControlState Position(int position) {
  ControlState state;
  state.position = position;
  return state;
}

// The words of the rows.
constexpr ReadRule Y = ReadRule::kY;
constexpr ReadRule N = ReadRule::kN;
constexpr ReadRule Special = ReadRule::kSpecial;
constexpr ControlState on = Check(true);
constexpr ControlState off = Check(false);

OptionEntry Control(ControlKind kind, std::string_view group, std::string_view caption, std::string_view hint) {
  OptionEntry entry{};
  entry.kind = kind;
  entry.group = group;
  entry.caption = caption;
  entry.hint = hint;
  return entry;
}

OptionEntry Box(std::string_view group, std::string_view caption, std::string_view key, ReadRule rule,
                ControlState built, ControlState factory, std::string_view hint = {}) {
  OptionEntry entry = Control(ControlKind::CheckBox, group, caption, hint);
  entry.key = key;
  entry.rule = rule;
  entry.built = built;
  entry.factory = factory;
  return entry;
}

OptionEntry Label(std::string_view group, std::string_view caption, std::string_view hint = {}) {
  return Control(ControlKind::Label, group, caption, hint);
}

OptionEntry Field(ControlKind kind, std::string_view group, std::string_view key, ControlState built,
                  ControlState factory, std::string_view hint = {}) {
  OptionEntry entry = Control(kind, group, {}, hint);
  entry.key = key;
  entry.built = built;
  entry.factory = factory;
  return entry;
}

OptionEntry UpDown(std::string_view key, int max, int position, std::string_view hint) {
  OptionEntry entry = Field(ControlKind::UpDown, kSource, key, Position(position), Position(position), hint);
  entry.max = max;
  return entry;
}

OptionEntry List(ControlKind kind, std::string_view group, std::string_view key, std::vector<std::string_view> items,
                 std::vector<std::string_view> values, ControlState built, ControlState factory,
                 std::string_view hint = {}) {
  OptionEntry entry = Field(kind, group, key, built, factory, hint);
  entry.items = std::move(items);
  entry.values = std::move(values);
  return entry;
}

OptionEntry TidyPathLabel(std::string_view group, std::string_view key, std::string_view hint) {
  OptionEntry entry = Control(ControlKind::LinkLabel, group, kTidyNotFoundText, hint);
  entry.key = key;
  entry.built = Text(kTidyNotFoundText);
  return entry;
}

OptionEntry Script(std::string_view group) {
  OptionEntry entry = Control(ControlKind::Memo, group, {}, {});
  entry.factory = Text("");
  return entry;
}

OptionEntry WithComment(OptionEntry entry, std::string_view comment_key) {
  entry.comment_key = comment_key;
  return entry;
}

OptionEntry ReadBefore(OptionControl other, OptionEntry entry) {
  entry.read_before = other;
  return entry;
}

OptionEntry Named(OptionControl control, std::string_view name, OptionEntry entry) {
  entry.control = control;
  entry.name = name;
  return entry;
}

std::vector<OptionEntry> BuildCatalogue() {
  return {
#define OPTION(name, ...) Named(C::name, #name, __VA_ARGS__),
#include "core/options/catalogue_rows.inc"
#undef OPTION
  };
}

std::vector<OptionControl> BuildReadingOrder() {
  std::vector<OptionControl> order;
  for (const OptionEntry& entry : Catalogue()) {
    if (entry.read_before) continue;
    for (const OptionEntry& early : Catalogue()) {
      if (early.read_before == entry.control) order.push_back(early.control);
    }
    order.push_back(entry.control);
  }
  return order;
}

}  // namespace

const std::vector<OptionEntry>& Catalogue() {
  static const std::vector<OptionEntry> table = BuildCatalogue();
  return table;
}

const OptionEntry& Entry(OptionControl control) {
  return Catalogue()[static_cast<std::size_t>(control)];
}

const std::vector<OptionControl>& ReadingOrder() {
  static const std::vector<OptionControl> order = BuildReadingOrder();
  return order;
}

}  // namespace markwash
