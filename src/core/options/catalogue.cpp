#include "core/options/catalogue.h"

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

ControlState Check(bool checked, bool enabled = true) {
  ControlState state;
  state.checked = checked;
  state.enabled = enabled;
  return state;
}

ControlState Item(int item, std::string_view text = {}) {
  ControlState state;
  state.item = item;
  state.text = text;
  return state;
}

ControlState Text(std::string_view text, bool enabled = true) {
  ControlState state;
  state.text = text;
  state.enabled = enabled;
  return state;
}

ControlState Position(int position) {
  ControlState state;
  state.position = position;
  return state;
}

OptionEntry Control(C control, std::string_view name, OptionKind kind, std::string_view group,
                    std::string_view caption, std::string_view hint) {
  OptionEntry entry{};
  entry.control = control;
  entry.name = name;
  entry.kind = kind;
  entry.group = group;
  entry.caption = caption;
  entry.hint = hint;
  return entry;
}

OptionEntry Box(C control, std::string_view name, std::string_view group, std::string_view caption,
                std::string_view key, ReadRule rule, ControlState built, ControlState factory,
                std::string_view hint = {}) {
  OptionEntry entry = Control(control, name, OptionKind::kCheckBox, group, caption, hint);
  entry.key = key;
  entry.rule = rule;
  entry.built = built;
  entry.factory = factory;
  return entry;
}

OptionEntry Label(C control, std::string_view name, std::string_view group, std::string_view caption,
                  std::string_view hint = {}) {
  return Control(control, name, OptionKind::kLabel, group, caption, hint);
}

OptionEntry Field(C control, std::string_view name, OptionKind kind, std::string_view group,
                  std::string_view key, ControlState built, ControlState factory,
                  std::string_view hint = {}) {
  OptionEntry entry = Control(control, name, kind, group, {}, hint);
  entry.key = key;
  entry.built = built;
  entry.factory = factory;
  return entry;
}

OptionEntry UpDown(C control, std::string_view name, std::string_view key, int max, int position,
                   std::string_view hint) {
  OptionEntry entry = Field(control, name, OptionKind::kUpDown, kSource, key, Position(position),
                            Position(position), hint);
  entry.max = max;
  return entry;
}

OptionEntry List(C control, std::string_view name, OptionKind kind, std::string_view group,
                 std::string_view key, std::vector<std::string_view> items,
                 std::vector<std::string_view> values, ControlState built, ControlState factory,
                 std::string_view hint = {}) {
  OptionEntry entry = Field(control, name, kind, group, key, built, factory, hint);
  entry.items = std::move(items);
  entry.values = std::move(values);
  return entry;
}

std::vector<OptionEntry> BuildCatalogue() {
  constexpr auto Y = ReadRule::kY;
  constexpr auto N = ReadRule::kN;
  constexpr auto Special = ReadRule::kSpecial;
  const ControlState on = Check(true);
  const ControlState off = Check(false);
  std::vector<OptionEntry> table;
  table.push_back(Box(C::cbMarkup, "cbMarkup", kSource, "HTML &bearbeiten", "markup", Y, on, off, kMarkupHint));

  OptionEntry wrap = Box(C::cbWrap, "cbWrap", kSource, "&Umbruch nach", "wrap", Special, on, on, kWrapHint);
  wrap.comment_key = "// wrap";
  table.push_back(wrap);
  OptionEntry wrap_field = Field(C::eWrap, "eWrap", OptionKind::kNumericField, kSource, "wrap",
                                 Text("66"), Text("66"), kWrapWidthHint);
  wrap_field.comment_key = "// wrap";
  table.push_back(wrap_field);
  OptionEntry wrap_updown = UpDown(C::udWrap, "udWrap", "wrap", 32767, 66, kWrapWidthHint);
  wrap_updown.comment_key = "// wrap";
  table.push_back(wrap_updown);
  table.push_back(Label(C::lWrap, "lWrap", kSource, "&Zeichen", kWrapWidthHint));

  table.push_back(Box(C::cbWrapAttributes, "cbWrapAttributes", kSource, "Attribute umbrechen", "wrap-attributes", Y, off, off, kWrapAttributesHint));
  table.push_back(Box(C::cbWrapScriptLiterals, "cbWrapScriptLiterals", kSource, "S&cript-Literale umbrechen", "wrap-script-literals", Y, off, off));
  table.push_back(Box(C::cbWrapASP, "cbWrapASP", kSource, "ASP-&Pseudo-Tags umbrechen", "wrap-asp", N, on, on, kWrapAspHint));
  table.push_back(Box(C::cbWrapJste, "cbWrapJste", kSource, "JSTE-Pseudo-Tags umbrechen", "wrap-jste", N, on, on));
  table.push_back(Box(C::cbWrapPhp, "cbWrapPhp", kSource, "PHP-Pseudo-Tags umbrechen", "wrap-php", N, on, on));
  table.push_back(Box(C::cbBreakBeforeBr, "cbBreakBeforeBr", kSource, "vor <br> &umbrechen", "break-before-br", Y, off, off));

  table.push_back(Label(C::Label1, "Label1", kSource, "&Einzug:", kIndentHint));
  table.push_back(List(C::cbIndent, "cbIndent", OptionKind::kDropDownList, kSource, "indent",
                       {"nein", "ja", "auto"}, {"no", "yes", "auto"}, Item(-1), Item(0, "nein"), kIndentHint));
  table.push_back(Field(C::eIndentSpaces, "eIndentSpaces", OptionKind::kNumericField, kSource, "indent-spaces",
                        Text("2"), Text("2"), kIndentSpacesHint));
  table.push_back(UpDown(C::udIndentSpaces, "udIndentSpaces", "indent-spaces", 32, 2, kIndentSpacesHint));

  table.push_back(Box(C::cbIndentAttributes, "cbIndentAttributes", kSource, "Attribute e&inziehen", "indent-attributes", Y, off, off, kIndentAttributesHint));
  table.push_back(Box(C::cbUppercaseTags, "cbUppercaseTags", kSource, "Tags in &Großbuchstaben", "uppercase-tags", Y, off, off));
  table.push_back(Box(C::cbUppercaseAttributes, "cbUppercaseAttributes", kSource, "Attribute in Gro&ßbuchstaben", "uppercase-attributes", Y, off, off));

  table.push_back(Box(C::cbHideEndTags, "cbHideEndTags", kHtml, "schließende Tags &verbergen", "hide-endtags", Y, off, off, kHideEndTagsHint));
  table.push_back(Box(C::cbEncloseText, "cbEncloseText", kHtml, "Text immer umschließen", "enclose-text", Y, off, off, kEncloseTextHint));
  table.push_back(Box(C::cbDropEmptyParas, "cbDropEmptyParas", kHtml, "Leere Absätze entfernen", "drop-empty-paras", N, on, on, kDropEmptyParasHint));
  table.push_back(Box(C::cbQuoteMarks, "cbQuoteMarks", kHtml, "Anführungsz. quoten (&&quot;)", "quote-marks", Y, off, off));
  table.push_back(Box(C::cbQuoteNbsp, "cbQuoteNbsp", kHtml, "nbsp quoten (&&nbsp;)", "quote-nbsp", N, on, on));
  table.push_back(Box(C::cbQuoteAmpersand, "cbQuoteAmpersand", kHtml, "&& quoten (&&amp;)", "quote-ampersand", N, on, on));
  table.push_back(Box(C::cbFixBackslash, "cbFixBackslash", kHtml, "Backslash korrigieren (\\ zu /)", "fix-backslash", N, on, on, kFixBackslashHint));
  table.push_back(Box(C::cbFixBadComments, "cbFixBadComments", kHtml, "kaputte &Kommentare korrigieren", "fix-bad-comments", N, on, on));
  table.push_back(Box(C::cbWord2000, "cbWord2000", kHtml, "Word-2000-Bereinigung", "word-2000", Y, off, off, kWord2000Hint));
  table.push_back(Box(C::cbClean, "cbClean", kHtml, "»&Clean«", "clean", Y, off, off, kCleanHint));
  table.push_back(Box(C::cbDropFontTags, "cbDropFontTags", kHtml, "Font-Tags entfernen", "drop-font-tags", Y,
                      Check(false, false), Check(false, false), kDropFontTagsHint));
  table.push_back(Box(C::cbLogicalEmphasis, "cbLogicalEmphasis", kHtml, "Logische Hervorhebungen", "logical-emphasis", Y, off, off, kLogicalEmphasisHint));

  OptionEntry alt = Box(C::cbAltText, "cbAltText", kHtml, "&Alt-Text ergänzen:", "alt-text", Special, off, off, kAltTextHint);
  alt.comment_key = "// alt-text";
  table.push_back(alt);
  OptionEntry alt_text = Field(C::eAltText, "eAltText", OptionKind::kTextEdit, kHtml, "alt-text",
                               Text("", false), Text("", false), kAltTextHint);
  alt_text.comment_key = "// alt-text";
  table.push_back(alt_text);

  table.push_back(Label(C::Label2, "Label2", kHtml, kNewTagsCaption));
  table.push_back(Field(C::eNewBlocklevelTags, "eNewBlocklevelTags", OptionKind::kTextEdit, "tsNewBlocklevelTags", "new-blocklevel-tags", Text(""), Text("")));
  table.push_back(Field(C::eNewInlineTags, "eNewInlineTags", OptionKind::kTextEdit, "tsNewInlineTags", "new-inline-tags", Text(""), Text("")));
  table.push_back(Field(C::eNewEmptyTags, "eNewEmptyTags", OptionKind::kTextEdit, "tsNewEmptyTags", "new-empty-tags", Text(""), Text("")));
  table.push_back(Field(C::eNewPreTags, "eNewPreTags", OptionKind::kTextEdit, "tsNewPreTags", "new-pre-tags", Text(""), Text("")));

  table.push_back(Box(C::cbInputXML, "cbInputXML", kInput, "XML", "input-xml", Y, off, off));
  table.push_back(Box(C::cbAssumeXmlProcins, "cbAssumeXmlProcins", kInput, "XML-Processing Instructions (?>)", "assume-xml-procins", Special, off, off, kAssumeXmlProcinsHint));

  table.push_back(Box(C::cbOutputXML, "cbOutputXML", kOutput, "XML", "output-xml", Y, off, off));
  table.push_back(Box(C::cbOutputXHTML, "cbOutputXHTML", kOutput, "XHTML", "output-xhtml", Y, off, off));
  table.push_back(Box(C::cbNumericEntities, "cbNumericEntities", kOutput, "numerische Entities", "numeric-entities", Y, off, off));
  table.push_back(Box(C::cbAddXmlPi, "cbAddXmlPi", kOutput, "XML Processing Instruction", "add-xml-pi", N, on, on, kAddXmlPiHint));
  table.push_back(Box(C::cbShowWarnings, "cbShowWarnings", kOutput, "Warnungen anzeigen", "show-warnings", N, on, on));
  table.push_back(Label(C::lDoctype, "lDoctype", kOutput, "DocType:"));
  table.push_back(List(C::cbDocType, "cbDocType", OptionKind::kEditableCombo, kOutput, "doctype",
                       {"omit", "auto", "strict", "loose"}, {"omit", "auto", "strict", "loose"},
                       Item(-1), Item(1, "auto"), kDocTypeHint));

  table.push_back(Box(C::cbTidyMark, "cbTidyMark", kFormats, "\"Duftmarke\" hinterlassen", "tidy-mark", N, on, on, kTidyMarkHint));
  table.push_back(Label(C::lCharEncoding, "lCharEncoding", kFormats, "&Zeichenkodierung:"));
  table.push_back(List(C::cbCharEncoding, "cbCharEncoding", OptionKind::kDropDownList, kFormats, "char-encoding",
                       {"raw", "ascii", "latin1", "utf8", "iso2022"}, {"raw", "ascii", "latin1", "utf8", "iso2022"},
                       Item(-1), Item(1, "ascii")));

  OptionEntry path = Control(C::lTidyPath, "lTidyPath", OptionKind::kLinkLabel, "Panel1", kTidyNotFoundText, kTidyPathHint);
  path.key = "// Path to Tidy.exe";
  path.built = Text(kTidyNotFoundText);
  table.push_back(path);
  table.push_back(Label(C::Label5, "Label5", "tsCfg",
                        "Über dieses Config-Script können vom Plugin nicht unterstützte Einstellungen ergänzt werden."));
  OptionEntry script = Control(C::mCfg, "mCfg", OptionKind::kMemo, "tsCfg", {}, {});
  script.factory = Text("");
  table.push_back(script);
  return table;
}

}  // namespace

const std::vector<OptionEntry>& Catalogue() {
  static const std::vector<OptionEntry> table = BuildCatalogue();
  return table;
}

const OptionEntry& Entry(OptionControl control) {
  return Catalogue()[static_cast<std::size_t>(control)];
}

}  // namespace markwash
