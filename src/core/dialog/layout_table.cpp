#include "core/dialog/layout_table.h"

#include "core/dialog/about_page_texts.h"

namespace markwash {
namespace {

constexpr std::string_view F = kFormName;
using K = ControlKind;

// Option controls: their captions and built states come from the catalogue.
std::vector<ControlSpec> OptionsPage() {
  return {
      {"Panel1", K::Panel, "tsOptions", Dock::Bottom, {0, 333, 577, 41}, ""},
      {"gSourceFormatting", K::GroupBox, "tsOptions", Dock::Left, {0, 0, 185, 333}, "&Quelltext-Formatierung"},
      {"LeftSplitter", K::Splitter, "tsOptions", Dock::Left, {185, 0, 3, 333}, "", 0, "gSourceFormatting", 185},
      {"gHtmlProperties", K::GroupBox, "tsOptions", Dock::Client, {188, 0, 196, 333}, "&HTML-Eigenschaften"},
      {"gFormats", K::GroupBox, "tsOptions", Dock::Right, {387, 0, 190, 333}, "&Formate"},
      {"RightSplitter", K::Splitter, "tsOptions", Dock::Right, {384, 0, 3, 333}, "", 0, "gFormats", 190},

      {"Bevel2", K::Bevel, "gSourceFormatting", Dock::Top, {2, 15, 181, 170}, ""},
      {"Bevel1", K::Bevel, "gSourceFormatting", Dock::Top, {2, 185, 181, 55}, ""},
      {"cbMarkup", K::CheckBox, "gSourceFormatting", Dock::None, {5, 15, 176, 17}, ""},
      {"cbWrap", K::CheckBox, "gSourceFormatting", Dock::None, {5, 38, 89, 17}, ""},
      // Before its field, so that its accelerator letter leads there.
      {"lWrap", K::Label, "gSourceFormatting", Dock::None, {141, 39, 39, 13}, ""},
      {"eWrap", K::NumericEdit, "gSourceFormatting", Dock::None, {96, 35, 26, 21}, ""},
      {"udWrap", K::UpDown, "gSourceFormatting", Dock::None, {122, 35, 15, 21}, "", 0, "eWrap"},
      {"cbWrapAttributes", K::CheckBox, "gSourceFormatting", Dock::None, {6, 61, 171, 17}, ""},
      {"cbWrapScriptLiterals", K::CheckBox, "gSourceFormatting", Dock::None, {5, 81, 146, 17}, ""},
      {"cbWrapASP", K::CheckBox, "gSourceFormatting", Dock::None, {5, 101, 161, 17}, ""},
      {"cbWrapJste", K::CheckBox, "gSourceFormatting", Dock::None, {5, 121, 169, 17}, ""},
      {"cbWrapPhp", K::CheckBox, "gSourceFormatting", Dock::None, {5, 141, 172, 17}, ""},
      {"cbBreakBeforeBr", K::CheckBox, "gSourceFormatting", Dock::None, {5, 161, 131, 17}, ""},
      {"Label1", K::Label, "gSourceFormatting", Dock::None, {5, 193, 35, 13}, ""},
      {"cbIndent", K::DropDownList, "gSourceFormatting", Dock::None, {45, 191, 76, 21}, ""},
      {"eIndentSpaces", K::NumericEdit, "gSourceFormatting", Dock::None, {135, 191, 29, 21}, ""},
      {"udIndentSpaces", K::UpDown, "gSourceFormatting", Dock::None, {164, 191, 15, 21}, "", 0, "eIndentSpaces"},
      {"cbIndentAttributes", K::CheckBox, "gSourceFormatting", Dock::None, {5, 218, 171, 17}, ""},
      {"cbUppercaseTags", K::CheckBox, "gSourceFormatting", Dock::None, {5, 248, 171, 17}, ""},
      {"cbUppercaseAttributes", K::CheckBox, "gSourceFormatting", Dock::None, {5, 268, 156, 17}, ""},

      {"cbHideEndTags", K::CheckBox, "gHtmlProperties", Dock::None, {5, 15, 156, 17}, ""},
      {"cbEncloseText", K::CheckBox, "gHtmlProperties", Dock::None, {5, 34, 179, 17}, ""},
      {"cbDropEmptyParas", K::CheckBox, "gHtmlProperties", Dock::None, {5, 53, 172, 17}, ""},
      {"cbQuoteMarks", K::CheckBox, "gHtmlProperties", Dock::None, {5, 72, 176, 17}, ""},
      {"cbQuoteNbsp", K::CheckBox, "gHtmlProperties", Dock::None, {5, 91, 166, 17}, ""},
      {"cbQuoteAmpersand", K::CheckBox, "gHtmlProperties", Dock::None, {5, 110, 151, 17}, ""},
      {"cbFixBackslash", K::CheckBox, "gHtmlProperties", Dock::None, {5, 128, 181, 17}, ""},
      {"cbFixBadComments", K::CheckBox, "gHtmlProperties", Dock::None, {5, 147, 188, 17}, ""},
      {"cbWord2000", K::CheckBox, "gHtmlProperties", Dock::None, {5, 166, 179, 17}, ""},
      {"cbClean", K::CheckBox, "gHtmlProperties", Dock::None, {5, 185, 61, 17}, ""},
      {"cbDropFontTags", K::CheckBox, "gHtmlProperties", Dock::None, {70, 185, 116, 17}, ""},
      {"cbLogicalEmphasis", K::CheckBox, "gHtmlProperties", Dock::None, {5, 204, 169, 17}, ""},
      {"cbAltText", K::CheckBox, "gHtmlProperties", Dock::None, {5, 223, 188, 17}, ""},
      {"eAltText", K::Edit, "gHtmlProperties", Dock::None, {5, 240, 186, 21}, ""},
      {"pcNewTags", K::PageControl, "gHtmlProperties", Dock::Bottom, {2, 279, 192, 52}, ""},
      {"tsNewBlocklevelTags", K::TabSheet, "pcNewTags", Dock::Client, {4, 24, 184, 24}, "Blocklevel"},
      {"tsNewInlineTags", K::TabSheet, "pcNewTags", Dock::Client, {4, 24, 184, 24}, "Inline"},
      {"tsNewEmptyTags", K::TabSheet, "pcNewTags", Dock::Client, {4, 24, 184, 24}, "Empty"},
      {"tsNewPreTags", K::TabSheet, "pcNewTags", Dock::Client, {4, 24, 184, 24}, "Pre"},
      {"eNewBlocklevelTags", K::Edit, "tsNewBlocklevelTags", Dock::None, {0, 0, 185, 21}, ""},
      {"eNewInlineTags", K::Edit, "tsNewInlineTags", Dock::None, {0, 0, 185, 21}, ""},
      {"eNewEmptyTags", K::Edit, "tsNewEmptyTags", Dock::None, {0, 0, 185, 21}, ""},
      {"eNewPreTags", K::Edit, "tsNewPreTags", Dock::None, {0, 0, 185, 21}, ""},
      {"Label2", K::Label, "gHtmlProperties", Dock::Bottom, {2, 266, 192, 13}, "", kAccelUnbound},

      {"gInput", K::GroupBox, "gFormats", Dock::Top, {2, 15, 186, 58}, "Eingabe"},
      {"cbInputXML", K::CheckBox, "gInput", Dock::None, {5, 15, 97, 17}, ""},
      {"cbAssumeXmlProcins", K::CheckBox, "gInput", Dock::None, {5, 34, 175, 17}, ""},
      {"gOutput", K::GroupBox, "gFormats", Dock::Top, {2, 73, 186, 160}, "Ausgabe"},
      {"cbOutputXML", K::CheckBox, "gOutput", Dock::None, {5, 15, 97, 17}, ""},
      {"cbOutputXHTML", K::CheckBox, "gOutput", Dock::None, {5, 35, 97, 17}, ""},
      {"cbNumericEntities", K::CheckBox, "gOutput", Dock::None, {5, 55, 126, 17}, ""},
      {"cbAddXmlPi", K::CheckBox, "gOutput", Dock::None, {5, 75, 151, 17}, ""},
      {"cbShowWarnings", K::CheckBox, "gOutput", Dock::None, {5, 95, 136, 17}, ""},
      {"lDoctype", K::Label, "gOutput", Dock::None, {5, 115, 47, 13}, ""},
      {"cbDocType", K::EditableCombo, "gOutput", Dock::None, {3, 130, 180, 21}, ""},
      {"cbTidyMark", K::CheckBox, "gFormats", Dock::None, {8, 240, 169, 12}, ""},
      {"lCharEncoding", K::Label, "gFormats", Dock::None, {5, 255, 89, 13}, ""},
      {"cbCharEncoding", K::DropDownList, "gFormats", Dock::None, {5, 270, 180, 21}, ""},

      {"Panel3", K::Panel, "Panel1", Dock::Right, {246, 0, 331, 41}, ""},
      {"lTidyPath", K::LinkLabel, "Panel1", Dock::Client, {0, 0, 246, 41}, "",
       kBold | kCentered | kVCentered | kPathEllipsis | kHandCursor},
      {"bAsDefaultOptions", K::Button, "Panel3", Dock::None, {8, 10, 75, 25}, "&als Standard"},
      {"bResetOptions", K::Button, "Panel3", Dock::None, {88, 10, 75, 25}, "&Zurücksetzen"},
      {"bLoadOptions", K::Button, "Panel3", Dock::None, {168, 10, 75, 25}, "&Laden..."},
      {"bSaveOptions", K::Button, "Panel3", Dock::None, {248, 10, 75, 25}, "&Speichern..."},
  };
}

std::vector<ControlSpec> MessagesOutputAndScriptPages() {
  return {
      // Created before the label it lies over, so that it stays on top.
      {"bPrintErrors", K::Button, "tsError", Dock::None, {500, 0, 75, 25}, "&Drucken"},
      {"Label3", K::Label, "tsError", Dock::Top, {0, 0, 577, 27},
       "HTML Tidy hat die folgenden Meldungen ausgegeben:", kVCentered | kSingleLine},
      {"mErrors", K::Memo, "tsError", Dock::Client, {0, 27, 577, 347}, "", kReadOnly | kFixedFont | kWordWrap},

      {"Label4", K::Label, "tsOut", Dock::Top, {0, 0, 577, 13},
       "Dies ist der von Tidy augegebene Code. Sie können ihn mit OK in den HTML-Editor übernehmen.", kSingleLine},
      {"mOutput", K::Memo, "tsOut", Dock::Client, {0, 13, 577, 361}, "", kReadOnly | kFixedFont},

      {"Label5", K::Label, "tsCfg", Dock::Top, {0, 0, 577, 13}, "", kSingleLine},
      {"Panel4", K::Panel, "tsCfg", Dock::Bottom, {0, 333, 577, 41}, ""},
      {"mCfg", K::Memo, "tsCfg", Dock::Client, {0, 13, 577, 320}, "", kFixedFont | kWantReturn},
      {"Button4", K::Button, "Panel4", Dock::None, {230, 10, 75, 25}, "&als Standard"},
      {"Button3", K::Button, "Panel4", Dock::None, {310, 10, 75, 25}, "&Zurücksetzen"},
      {"Button2", K::Button, "Panel4", Dock::None, {390, 10, 75, 25}, "&Laden..."},
      {"Button1", K::Button, "Panel4", Dock::None, {470, 10, 75, 25}, "&Speichern..."},
  };
}

std::vector<ControlSpec> AboutPage() {
  constexpr std::uint32_t kCentre = kCentered | kVCentered;
  constexpr std::uint32_t kLink = kLinkFont | kHandCursor | kCentre;
  return {
      {"lThanks", K::LinkLabel, "TabSheet1", Dock::Bottom, {0, 232, 577, 142}, about::kThanks,
       kTooltipColors | kCentre | kWordWrap},
      {"Panel5", K::Panel, "TabSheet1", Dock::Left, {0, 0, 286, 232}, "", kLoweredBevel},
      {"Panel6", K::Panel, "TabSheet1", Dock::Client, {286, 0, 291, 232}, "", kLoweredBevel},

      {"lAboutTitle", K::LinkLabel, "Panel5", Dock::Top, {4, 4, 278, 24}, "Markwash Plugin", kTitleFont | kCentered},
      {"lAuthorNotice", K::LinkLabel, "Panel5", Dock::Top, {4, 28, 278, 20}, about::kAuthorNotice, kBold | kCentre},
      {"lAboutVersion", K::LinkLabel, "Panel5", Dock::Top, {4, 48, 278, 20}, "<Versionsangabe>", kCentre},
      {"Bevel3", K::Bevel, "Panel5", Dock::Top, {4, 68, 278, 3}, ""},
      {"lAuthorEmail", K::LinkLabel, "Panel5", Dock::Top, {4, 71, 278, 20}, about::kAuthorEmailCaption, kLink},
      {"lTidyDownload", K::LinkLabel, "Panel5", Dock::Bottom, {4, 208, 278, 20}, about::kTidyDownloadAddress, kLink},
      {"lTidyDownloadCaption", K::LinkLabel, "Panel5", Dock::Bottom, {4, 188, 278, 20}, "Download-Link für Tidy.exe:",
       kCentre},
      {"lTidySF", K::LinkLabel, "Panel5", Dock::Bottom, {4, 168, 278, 20}, about::kTidyProjectAddress, kLink},
      {"lTidyMaintainer", K::Label, "Panel5", Dock::Bottom, {4, 155, 278, 13}, about::kTidyMaintainer,
       kCentered | kSingleLine},
      {"lTidyNeeded", K::LinkLabel, "Panel5", Dock::Bottom, {4, 135, 278, 20}, about::kTidyNeeded, kCentre},
      {"Bevel4", K::Bevel, "Panel5", Dock::Bottom, {4, 132, 278, 3}, ""},
      {"lAuthorHP", K::LinkLabel, "Panel5", Dock::Client, {4, 91, 278, 41}, about::kHomePageCaption,
       kLink | kWordWrap},

      {"lDistribution", K::LinkLabel, "Panel6", Dock::Client, {4, 4, 283, 224}, about::kDistributionTerms,
       kCentre | kWordWrap},
  };
}

std::vector<ControlSpec> BuildLayout() {
  std::vector<ControlSpec> layout = {
      // Bottom bar
      {"Panel2", K::Panel, F, Dock::Bottom, {0, 402, 585, 41}, ""},
      {"Panel7", K::Panel, "Panel2", Dock::Right, {334, 0, 251, 41}, ""},
      {"bRunTidy", K::Button, "Panel7", Dock::None, {7, 10, 75, 25}, "&Tidy starten", kDefaultButton},
      {"bOK", K::Button, "Panel7", Dock::None, {87, 10, 75, 25}, "O&K", kDisabled},
      {"bCancel", K::Button, "Panel7", Dock::None, {167, 10, 75, 25}, "Abbrechen"},
      // Pages
      {"Pages", K::PageControl, F, Dock::Client, {0, 0, 585, 402}, ""},
      {"tsOptions", K::TabSheet, "Pages", Dock::Client, {4, 24, 577, 374}, "Optionen"},
      {"tsError", K::TabSheet, "Pages", Dock::Client, {4, 24, 577, 374}, "Meldungen"},
      {"tsOut", K::TabSheet, "Pages", Dock::Client, {4, 24, 577, 374}, "Ausgabe"},
      {"tsCfg", K::TabSheet, "Pages", Dock::Client, {4, 24, 577, 374}, "Config-Datei"},
      {"TabSheet1", K::TabSheet, "Pages", Dock::Client, {4, 24, 577, 374}, "Über das Plugin..."},
  };
  for (auto part : {OptionsPage(), MessagesOutputAndScriptPages(), AboutPage()})
    layout.insert(layout.end(), part.begin(), part.end());
  return layout;
}

}  // namespace

const std::vector<ControlSpec>& DialogLayout() {
  static const std::vector<ControlSpec> layout = BuildLayout();
  return layout;
}

const ControlSpec* FindControlSpec(std::string_view name) {
  for (const auto& row : DialogLayout())
    if (row.name == name) return &row;
  return nullptr;
}

}  // namespace markwash
