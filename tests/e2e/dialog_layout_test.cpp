// Every window of the dialog as built: class, caption, parent, rectangle in
// its parent, enabled and check state, and the hints of the option controls
// with their exact texts. The expected values are written out here as the
// dialog is meant to look at 96 dpi, independent of the product's tables.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rig/rig.h"

namespace {

using rig::Dialog;

constexpr const char* kForm = "MarkwashForm";
constexpr const wchar_t* kButton = L"Button";
constexpr const wchar_t* kEdit = L"Edit";
constexpr const wchar_t* kCombo = L"ComboBox";
constexpr const wchar_t* kUpDown = L"msctls_updown32";
constexpr const wchar_t* kStatic = L"Static";
constexpr const wchar_t* kTabs = L"SysTabControl32";
constexpr const wchar_t* kPanel = L"MarkwashContainer";
constexpr const wchar_t* kSplitter = L"MarkwashSplitter";
constexpr const wchar_t* kBevel = L"MarkwashBevel";
constexpr const wchar_t* kLink = L"TLinkLabel";

enum State { kOn = 1, kChecked = 2, kOff = 4 };

struct Expected {
  const char* name;
  const wchar_t* className;
  const char* caption;  // UTF-8
  const char* parent;
  RECT rect;            // left, top, right, bottom
  int state = kOn;
};

constexpr RECT R(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

const std::vector<Expected>& ExpectedLayout() {
  static const std::vector<Expected> table = {
      {"Panel2", kPanel, "", kForm, R(0, 402, 585, 41)},
      {"Panel7", kPanel, "", "Panel2", R(334, 0, 251, 41)},
      {"bRunTidy", kButton, "&Tidy starten", "Panel7", R(7, 10, 75, 25)},
      {"bOK", kButton, "O&K", "Panel7", R(87, 10, 75, 25), kOff},
      {"bCancel", kButton, "Abbrechen", "Panel7", R(167, 10, 75, 25)},
      {"Pages", kTabs, "", kForm, R(0, 0, 585, 402)},
      {"tsOptions", kPanel, "Optionen", "Pages", R(4, 24, 577, 374)},
      {"tsError", kPanel, "Meldungen", "Pages", R(4, 24, 577, 374)},
      {"tsOut", kPanel, "Ausgabe", "Pages", R(4, 24, 577, 374)},
      {"tsCfg", kPanel, "Config-Datei", "Pages", R(4, 24, 577, 374)},
      {"TabSheet1", kPanel, "Über das Plugin...", "Pages", R(4, 24, 577, 374)},
      // Page "Optionen"
      {"Panel1", kPanel, "", "tsOptions", R(0, 333, 577, 41)},
      {"gSourceFormatting", kButton, "&Quelltext-Formatierung", "tsOptions", R(0, 0, 185, 333)},
      {"LeftSplitter", kSplitter, "", "tsOptions", R(185, 0, 3, 333)},
      {"gHtmlProperties", kButton, "&HTML-Eigenschaften", "tsOptions", R(188, 0, 196, 333)},
      {"RightSplitter", kSplitter, "", "tsOptions", R(384, 0, 3, 333)},
      {"gFormats", kButton, "&Formate", "tsOptions", R(387, 0, 190, 333)},
      {"Bevel2", kBevel, "", "gSourceFormatting", R(2, 15, 181, 170)},
      {"Bevel1", kBevel, "", "gSourceFormatting", R(2, 185, 181, 55)},
      {"cbMarkup", kButton, "HTML &bearbeiten", "gSourceFormatting", R(5, 15, 176, 17), kOn | kChecked},
      {"cbWrap", kButton, "&Umbruch nach", "gSourceFormatting", R(5, 38, 89, 17), kOn | kChecked},
      {"eWrap", kEdit, "66", "gSourceFormatting", R(96, 35, 26, 21)},
      {"udWrap", kUpDown, "", "gSourceFormatting", R(122, 35, 15, 21)},
      {"lWrap", kStatic, "&Zeichen", "gSourceFormatting", R(141, 39, 39, 13)},
      {"cbWrapAttributes", kButton, "Attribute umbrechen", "gSourceFormatting", R(6, 61, 171, 17)},
      {"cbWrapScriptLiterals", kButton, "S&cript-Literale umbrechen", "gSourceFormatting", R(5, 81, 146, 17)},
      {"cbWrapASP", kButton, "ASP-&Pseudo-Tags umbrechen", "gSourceFormatting", R(5, 101, 161, 17), kOn | kChecked},
      {"cbWrapJste", kButton, "JSTE-Pseudo-Tags umbrechen", "gSourceFormatting", R(5, 121, 169, 17), kOn | kChecked},
      {"cbWrapPhp", kButton, "PHP-Pseudo-Tags umbrechen", "gSourceFormatting", R(5, 141, 172, 17), kOn | kChecked},
      {"cbBreakBeforeBr", kButton, "vor <br> &umbrechen", "gSourceFormatting", R(5, 161, 131, 17)},
      {"Label1", kStatic, "&Einzug:", "gSourceFormatting", R(5, 193, 35, 13)},
      {"cbIndent", kCombo, "", "gSourceFormatting", R(45, 191, 76, 21)},
      {"eIndentSpaces", kEdit, "2", "gSourceFormatting", R(135, 191, 29, 21)},
      {"udIndentSpaces", kUpDown, "", "gSourceFormatting", R(164, 191, 15, 21)},
      {"cbIndentAttributes", kButton, "Attribute e&inziehen", "gSourceFormatting", R(5, 218, 171, 17)},
      {"cbUppercaseTags", kButton, "Tags in &Großbuchstaben", "gSourceFormatting", R(5, 248, 171, 17)},
      {"cbUppercaseAttributes", kButton, "Attribute in Gro&ßbuchstaben", "gSourceFormatting", R(5, 268, 156, 17)},
      {"cbHideEndTags", kButton, "schließende Tags &verbergen", "gHtmlProperties", R(5, 15, 156, 17)},
      {"cbEncloseText", kButton, "Text immer umschließen", "gHtmlProperties", R(5, 34, 179, 17)},
      {"cbDropEmptyParas", kButton, "Leere Absätze entfernen", "gHtmlProperties", R(5, 53, 172, 17), kOn | kChecked},
      {"cbQuoteMarks", kButton, "Anführungsz. quoten (&&quot;)", "gHtmlProperties", R(5, 72, 176, 17)},
      {"cbQuoteNbsp", kButton, "nbsp quoten (&&nbsp;)", "gHtmlProperties", R(5, 91, 166, 17), kOn | kChecked},
      {"cbQuoteAmpersand", kButton, "&& quoten (&&amp;)", "gHtmlProperties", R(5, 110, 151, 17), kOn | kChecked},
      {"cbFixBackslash", kButton, "Backslash korrigieren (\\ zu /)", "gHtmlProperties", R(5, 128, 181, 17),
       kOn | kChecked},
      {"cbFixBadComments", kButton, "kaputte &Kommentare korrigieren", "gHtmlProperties", R(5, 147, 188, 17),
       kOn | kChecked},
      {"cbWord2000", kButton, "Word-2000-Bereinigung", "gHtmlProperties", R(5, 166, 179, 17)},
      {"cbClean", kButton, "»&Clean«", "gHtmlProperties", R(5, 185, 61, 17)},
      {"cbDropFontTags", kButton, "Font-Tags entfernen", "gHtmlProperties", R(70, 185, 116, 17), kOff},
      {"cbLogicalEmphasis", kButton, "Logische Hervorhebungen", "gHtmlProperties", R(5, 204, 169, 17)},
      {"cbAltText", kButton, "&Alt-Text ergänzen:", "gHtmlProperties", R(5, 223, 188, 17)},
      {"eAltText", kEdit, "", "gHtmlProperties", R(5, 240, 186, 21), kOff},
      {"pcNewTags", kTabs, "", "gHtmlProperties", R(2, 279, 192, 52)},
      {"Label2", kStatic, "Neue &Tags: (z.B. cfoutput, cfquery)", "gHtmlProperties", R(2, 266, 192, 13)},
      {"tsNewBlocklevelTags", kPanel, "Blocklevel", "pcNewTags", R(4, 24, 184, 24)},
      {"tsNewInlineTags", kPanel, "Inline", "pcNewTags", R(4, 24, 184, 24)},
      {"tsNewEmptyTags", kPanel, "Empty", "pcNewTags", R(4, 24, 184, 24)},
      {"tsNewPreTags", kPanel, "Pre", "pcNewTags", R(4, 24, 184, 24)},
      {"eNewBlocklevelTags", kEdit, "", "tsNewBlocklevelTags", R(0, 0, 185, 21)},
      {"eNewInlineTags", kEdit, "", "tsNewInlineTags", R(0, 0, 185, 21)},
      {"eNewEmptyTags", kEdit, "", "tsNewEmptyTags", R(0, 0, 185, 21)},
      {"eNewPreTags", kEdit, "", "tsNewPreTags", R(0, 0, 185, 21)},
      {"gInput", kButton, "Eingabe", "gFormats", R(2, 15, 186, 58)},
      {"gOutput", kButton, "Ausgabe", "gFormats", R(2, 73, 186, 160)},
      {"cbInputXML", kButton, "XML", "gInput", R(5, 15, 97, 17)},
      {"cbAssumeXmlProcins", kButton, "XML-Processing Instructions (?>)", "gInput", R(5, 34, 175, 17)},
      {"cbOutputXML", kButton, "XML", "gOutput", R(5, 15, 97, 17)},
      {"cbOutputXHTML", kButton, "XHTML", "gOutput", R(5, 35, 97, 17)},
      {"cbNumericEntities", kButton, "numerische Entities", "gOutput", R(5, 55, 126, 17)},
      {"cbAddXmlPi", kButton, "XML Processing Instruction", "gOutput", R(5, 75, 151, 17), kOn | kChecked},
      {"cbShowWarnings", kButton, "Warnungen anzeigen", "gOutput", R(5, 95, 136, 17), kOn | kChecked},
      {"lDoctype", kStatic, "DocType:", "gOutput", R(5, 115, 47, 13)},
      {"cbDocType", kCombo, "", "gOutput", R(3, 130, 180, 21)},
      {"cbTidyMark", kButton, "\"Duftmarke\" hinterlassen", "gFormats", R(8, 240, 169, 12), kOn | kChecked},
      {"lCharEncoding", kStatic, "&Zeichenkodierung:", "gFormats", R(5, 255, 89, 13)},
      {"cbCharEncoding", kCombo, "", "gFormats", R(5, 270, 180, 21)},
      {"Panel3", kPanel, "", "Panel1", R(246, 0, 331, 41)},
      {"lTidyPath", kLink, "Tidy.exe nicht gefunden!", "Panel1", R(0, 0, 246, 41)},
      {"bAsDefaultOptions", kButton, "&als Standard", "Panel3", R(8, 10, 75, 25)},
      {"bResetOptions", kButton, "&Zurücksetzen", "Panel3", R(88, 10, 75, 25)},
      {"bLoadOptions", kButton, "&Laden...", "Panel3", R(168, 10, 75, 25)},
      {"bSaveOptions", kButton, "&Speichern...", "Panel3", R(248, 10, 75, 25)},
      // Page "Meldungen"
      {"Label3", kStatic, "HTML Tidy hat die folgenden Meldungen ausgegeben:", "tsError", R(0, 0, 577, 27)},
      {"bPrintErrors", kButton, "&Drucken", "tsError", R(500, 0, 75, 25)},
      {"mErrors", kEdit, "", "tsError", R(0, 27, 577, 347)},
      // Page "Ausgabe"
      {"Label4", kStatic,
       "Dies ist der von Tidy augegebene Code. Sie können ihn mit OK in den HTML-Editor übernehmen.", "tsOut",
       R(0, 0, 577, 13)},
      {"mOutput", kEdit, "", "tsOut", R(0, 13, 577, 361)},
      // Page "Config-Datei"
      {"Label5", kStatic,
       "Über dieses Config-Script können vom Plugin nicht unterstützte Einstellungen ergänzt werden.", "tsCfg",
       R(0, 0, 577, 13)},
      {"Panel4", kPanel, "", "tsCfg", R(0, 333, 577, 41)},
      {"mCfg", kEdit, "", "tsCfg", R(0, 13, 577, 320)},
      {"Button4", kButton, "&als Standard", "Panel4", R(230, 10, 75, 25)},
      {"Button3", kButton, "&Zurücksetzen", "Panel4", R(310, 10, 75, 25)},
      {"Button2", kButton, "&Laden...", "Panel4", R(390, 10, 75, 25)},
      {"Button1", kButton, "&Speichern...", "Panel4", R(470, 10, 75, 25)},
  };
  return table;
}

std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
         std::to_string(r.bottom - r.top);
}

// Without Tidy.exe anywhere, the first showing asks for it in the path step
// of reading the default option set, before any option is read: while that
// question is open, the option controls still show their built states.
HWND WaitForFirstQuestion() { return rig::WaitForMessageBox(L"Tidy.exe konnte nicht gefunden werden"); }

void AnswerNo(HWND question) {
  rig::AnswerMessageBox(question, IDNO);
  EXPECT_TRUE(rig::WaitUntilClosed(question));
}

TEST(DialogLayout, EveryControlAsBuilt) {
  rig::PluginFolder plugin("layout");
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    HWND question = WaitForFirstQuestion();
    RECT outer;
    ::GetWindowRect(d.window(), &outer);
    EXPECT_EQ(593, outer.right - outer.left);
    EXPECT_EQ(470, outer.bottom - outer.top);
    for (const Expected& e : ExpectedLayout()) {
      SCOPED_TRACE(e.name);
      HWND window = d.Get(e.name);
      if (!window) continue;
      EXPECT_EQ(e.className, rig::ClassName(window));
      EXPECT_EQ(rig::Widen(e.caption), rig::WindowText(window));
      HWND parent = ::GetParent(window);
      EXPECT_EQ(e.parent, parent == d.window() ? std::string(kForm) : rig::ControlName(parent));
      EXPECT_EQ(Describe(e.rect), Describe(rig::RectInParent(window)));
      EXPECT_EQ((e.state & kOff) == 0, rig::IsEnabled(window));
      if (std::wstring(e.className) == kButton) EXPECT_EQ((e.state & kChecked) != 0, rig::IsChecked(window));
    }
    AnswerNo(question);
    d.Click("bCancel");
  });
}

struct ExpectedHint {
  const char* name;
  const char* hint;  // UTF-8
};

const std::vector<ExpectedHint>& ExpectedHints() {
  static const std::vector<ExpectedHint> table = {
      {"cbMarkup",
       "Wenn aktiv erzeugt HTML eine korrigierte und verschönerte Version\r\ndes Quelltextes, die mit OK in den HTML-Editor übernommen werden\r\nkann. Diese Option ist unwirksam wenn Tidy unbekannte tags, fehlende\r\nAnführungszeichen bei Attributen oder fehlende schließende '>'  bei Tags\r\nfindet, in diesem Fall werden nur die Fehler angezeigt."},
      {"cbWrap",
       "Wenn aktiviert, umbricht Tidy den Quelltext\r\nspätestens nach der angegebenen Zahl von\r\nZeichen in einer Zeile."},
      {"lWrap",
       "Gibt die Anzahl der Zeichen an, nach denen die \r\nZeilen am rechten Rand umgebrochen werden."},
      {"eWrap",
       "Gibt die Anzahl der Zeichen an, nach denen die \r\nZeilen am rechten Rand umgebrochen werden."},
      {"udWrap",
       "Gibt die Anzahl der Zeichen an, nach denen die \r\nZeilen am rechten Rand umgebrochen werden."},
      {"cbWrapAttributes",
       "Wenn aktiviert, darf Tidy lange \r\nAttribute umbrechen."},
      {"cbWrapASP",
       "Wenn deaktiviert, werden ASP-Pseudo-Tags (<% %>) \r\nnicht mehr umbrochen. Standard: aktiviert."},
      {"Label1",
       "Wenn ja wird Tidy Block-Level Tags einrücken.\r\nWenn auto, entscheidet Tidy über die Einrückung von \r\nTags wie h1-h6, li oder p abhängig davon ob der Inhalt\r\ndieser Tags ein Block-Level-Element enthält."},
      {"cbIndent",
       "Wenn ja wird Tidy Block-Level Tags einrücken.\r\nWenn auto, entscheidet Tidy über die Einrückung von \r\nTags wie h1-h6, li oder p abhängig davon ob der Inhalt\r\ndieser Tags ein Block-Level-Element enthält."},
      {"eIndentSpaces",
       "Gibt an, wieviele Spalten\r\neingerückt wird."},
      {"udIndentSpaces",
       "Gibt an, wieviele Spalten\r\neingerückt wird."},
      {"cbIndentAttributes",
       "Wenn ja, beginnt jedes Attribut \r\nin einer neuen Zeile."},
      {"cbHideEndTags",
       "Wenn aktiv werden optionale schließende Tags weggelassen,\r\nwenn die formatierte Ausgabe erstellt wird. Diese Option wird\r\nignoriert, wenn das Zielformat XML ist."},
      {"cbEncloseText",
       "Wenn gesetzt, wird Text, der direkt im <body>-Element\r\nsteht, immer mit <p> umschlossen. \r\n\r\nNützlich ist diese Option, wenn eine vorhandene HTML-\r\nDatei mit einem Style-Sheet versehen werden soll. Text\r\nauf Ebene des Body-Elements zerstört die Ränder."},
      {"cbDropEmptyParas",
       "Wenn aktiviert, werden leere Absätze verworfen,\r\nansonsten werden sie durch zwei <br>-Elemente\r\nersetzt."},
      {"cbFixBackslash",
       "Ersetzt Backslashes in URLs (\\)\r\ndurch Vorwärts-Schrägstriche (/)."},
      {"cbWord2000",
       "Wenn aktiviert, versucht Tidy, den zusätzlichen Kram\r\nzu entfernen, den Microsoft Word 2000 einfügt, wenn \r\nman Word-Dokumente als \"Webseiten\" speichert."},
      {"cbClean",
       "Diese Option veranlasst Tidy, restliche Gestaltungs-Tags\r\nund Attribute durch Style-Regeln und strukturelle Tags\r\nzu ersetzen, wenn passend.\r\nDies funktioniert mit dem HTML, das von MS Office '97\r\ngeschrieben wird."},
      {"cbDropFontTags",
       "Wenn (zusamen mit »Clean«) aktiviert,\r\nentfernt Tidy Tags wie <font>, <center>\r\nanstatt sie durch Style-Regeln zu ersetzen."},
      {"cbLogicalEmphasis",
       "Wenn aktiv ersetzt Tidy Vorkommen von <i> durch <em>\r\nund <b> durch <strong>. Attribute bleiben erhalten. Wenn\r\ndiese Option aktiv ist, wird auch automatisch Clean aktiviert."},
      {"cbAltText",
       "Hier kann ein Text angegeben werden, der bei\r\nallen <img>-Tags als Alternativtext angegeben\r\nwird, die noch kein alt-Tag haben. \r\n\r\nACHTUNG: Dies unterdrückt weitere Warnungen.\r\nSIE SIND VERANTWORTLICH, BENUTZERN IHRE\r\nDOKUMENTE ZUGÄNGLICH ZU MACHEN, DIE DIE\r\nBILDER NICHT SEHEN KÖNNEN!"},
      {"eAltText",
       "Hier kann ein Text angegeben werden, der bei\r\nallen <img>-Tags als Alternativtext angegeben\r\nwird, die noch kein alt-Tag haben. \r\n\r\nACHTUNG: Dies unterdrückt weitere Warnungen.\r\nSIE SIND VERANTWORTLICH, BENUTZERN IHRE\r\nDOKUMENTE ZUGÄNGLICH ZU MACHEN, DIE DIE\r\nBILDER NICHT SEHEN KÖNNEN!"},
      {"cbAssumeXmlProcins",
       "Wenn aktiv, erwartet Tidy beim Analysieren\r\nder Eingabe Processing Instructions im XML-\r\nFormat (d.h. mit ?>statt > als Terminator).\r\nÄh, man erkläre mir, was ich da gerade \r\ngeschrieben habe."},
      {"cbAddXmlPi",
       "If set to yes, Tidy will use add the XML processing instruction\r\nwhen outputting XML or XHTML. The default is yes. Note that if\r\nthe input document includes an XML PI, then it will appear in\r\nthe output independent of the value of this option."},
      {"cbDocType",
       "Gibt den <!DOCTYPE> des Ziel-Dokuments an.\r\n- omit: kein Doctype\r\n- auto: Doctype wird automatisch ermittelt (Standard)\r\n- strict: HTML 4 Strict\r\n- loose: HTML 4 Transitional (Loose)\r\nOder geben Sie einen fpi für den Doctype an."},
      {"cbTidyMark",
       "Wenn aktiviert, hinterlässt Tidy ein Meta-Tag \r\nin der Ausgabedatei, das anzeigt, dass Tidy \r\ndie Datei bearbeitet hat."},
      {"lTidyPath",
       "Hier steht der Pfad zum vom Plugin verwendeten \r\nProgramm Tidy.exe.\r\n\r\nUm den Pfad zu ändern, hier klicken. Auch diese \r\nEinstellung wird in den Konfigurationsdateien gespeichert,\r\nist jedoch nur für das Plugin von Bedeutung."},

  };
  return table;
}

TEST(DialogLayout, HintsOfTheOptionControls) {
  rig::PluginFolder plugin("hints");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    d.Sync();  // the dialog has run its loop once and applied the hint times
    HWND tip = rig::HintWindowOf(d.window());
    ASSERT_TRUE(tip);
    EXPECT_EQ(10000, ::SendMessageW(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
    for (const ExpectedHint& e : ExpectedHints()) {
      SCOPED_TRACE(e.name);
      // The path label's hint goes on with the version of the Tidy it names.
      const std::wstring version = std::string(e.name) == "lTidyPath" ? L"\r\n\r\nHTML Tidy 5.6.0" : L"";
      EXPECT_EQ(rig::Widen(e.hint) + version, rig::HintText(d.window(), d.Get(e.name)));
    }
    for (const char* name : {"cbWrapScriptLiterals", "cbWrapJste", "cbWrapPhp", "cbBreakBeforeBr", "cbUppercaseTags",
                             "cbUppercaseAttributes", "cbQuoteMarks", "cbQuoteNbsp", "cbQuoteAmpersand",
                             "cbFixBadComments", "eNewBlocklevelTags", "eNewInlineTags", "eNewEmptyTags",
                             "eNewPreTags", "cbInputXML", "cbOutputXML", "cbOutputXHTML", "cbNumericEntities",
                             "cbShowWarnings", "cbCharEncoding"}) {
      SCOPED_TRACE(name);
      EXPECT_EQ(L"", rig::HintText(d.window(), d.Get(name)));
    }
    d.Click("bCancel");
  });
}

TEST(DialogLayout, HintShowsOverADisabledControl) {
  rig::PluginFolder plugin("disabled-hint");
  plugin.CopyTidyHere();  // found at the first showing, so no question opens
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    HWND altText = d.Get("eAltText");
    ASSERT_FALSE(rig::IsEnabled(altText));
    ::SetCursorPos(0, 0);
    d.Sync();
    RECT r;
    ::GetWindowRect(altText, &r);
    ::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    HWND tip = rig::HintWindowOf(d.window());
    EXPECT_TRUE(rig::WaitUntil([&] { return ::IsWindowVisible(tip) != FALSE; }, 5000));
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    EXPECT_TRUE(::SendMessageW(tip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(altText), tool.uId);
    d.SaveScreenshot(plugin.Path(L"hint.png"));  // for a person: the hint's lines and letters
    ::SetCursorPos(0, 0);
    d.Click("bCancel");
  });
}

LOGFONTW FontOf(HWND window) {
  LOGFONTW font{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

TEST(DialogLayout, MemosAndFonts) {
  rig::PluginFolder plugin("memos");
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    HWND question = WaitForFirstQuestion();
    struct Memo {
      const char* name;
      bool readOnly, wordWrap, takesEnter;
    };
    for (const Memo& m : {Memo{"mErrors", true, true, false}, Memo{"mOutput", true, false, false},
                          Memo{"mCfg", false, false, true}}) {
      SCOPED_TRACE(m.name);
      HWND memo = d.Get(m.name);
      const LONG style = ::GetWindowLongW(memo, GWL_STYLE);
      EXPECT_TRUE(style & ES_MULTILINE);
      EXPECT_EQ(m.readOnly, (style & ES_READONLY) != 0);
      EXPECT_EQ(!m.wordWrap, (style & ES_AUTOHSCROLL) != 0);  // no horizontal scrolling: lines wrap
      EXPECT_EQ(m.takesEnter, (style & ES_WANTRETURN) != 0);
      EXPECT_TRUE(style & WS_VSCROLL);
      EXPECT_FALSE(style & WS_HSCROLL);
      const LOGFONTW font = FontOf(memo);
      EXPECT_EQ(std::wstring(L"Courier New"), font.lfFaceName);
      EXPECT_EQ(-11, font.lfHeight);
    }
    for (const char* name : {"bRunTidy", "cbMarkup", "Label2", "cbDocType", "gFormats"}) {
      SCOPED_TRACE(name);
      const LOGFONTW font = FontOf(d.Get(name));
      EXPECT_EQ(std::wstring(L"MS Sans Serif"), font.lfFaceName);
      EXPECT_EQ(-11, font.lfHeight);
      EXPECT_EQ(FW_NORMAL, font.lfWeight);
    }
    EXPECT_EQ(FW_BOLD, FontOf(d.Get("lTidyPath")).lfWeight);
    // The number fields are right-aligned.
    EXPECT_TRUE(::GetWindowLongW(d.Get("eWrap"), GWL_STYLE) & ES_RIGHT);
    EXPECT_TRUE(::GetWindowLongW(d.Get("eIndentSpaces"), GWL_STYLE) & ES_RIGHT);
    AnswerNo(question);
    d.Click("bCancel");
  });
}

TEST(DialogLayout, OpensOnOptionsAndBlocklevel) {
  rig::PluginFolder plugin("first-pages");
  rig::RunDialog(plugin, "x", [](Dialog& d) {
    HWND question = WaitForFirstQuestion();
    EXPECT_EQ(0, d.ActivePage("Pages"));
    EXPECT_EQ(0, d.ActivePage("pcNewTags"));
    EXPECT_TRUE(::IsWindowVisible(d.Get("eNewBlocklevelTags")));
    EXPECT_FALSE(::IsWindowVisible(d.Get("eNewInlineTags")));
    d.SelectPage("pcNewTags", 3);
    EXPECT_TRUE(::IsWindowVisible(d.Get("eNewPreTags")));
    EXPECT_FALSE(::IsWindowVisible(d.Get("eNewBlocklevelTags")));
    // Up-down ranges and positions as built.
    int low = 0, high = 0;
    ::SendMessageW(d.Get("udWrap"), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(0, low);
    EXPECT_EQ(32767, high);
    ::SendMessageW(d.Get("udIndentSpaces"), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                   reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(32, high);
    EXPECT_EQ(66, ::SendMessageW(d.Get("udWrap"), UDM_GETPOS32, 0, 0));
    EXPECT_EQ(2, ::SendMessageW(d.Get("udIndentSpaces"), UDM_GETPOS32, 0, 0));
    // Items of the lists, none selected as built.
    EXPECT_EQ(3, ::SendMessageW(d.Get("cbIndent"), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(CB_ERR, ::SendMessageW(d.Get("cbIndent"), CB_GETCURSEL, 0, 0));
    EXPECT_EQ(4, ::SendMessageW(d.Get("cbDocType"), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(5, ::SendMessageW(d.Get("cbCharEncoding"), CB_GETCOUNT, 0, 0));
    AnswerNo(question);
    d.Click("bCancel");
  });
}

}  // namespace
