// The option engine between the dialog's controls and an HTML Tidy option
// set: reading a script into the controls, merging the controls back, the
// rules between boxes, and the option files it loads and saves.
#include <gtest/gtest.h>

#include <tuple>

#include "../support/fake_options.h"
#include "core/options/config_lines.h"

namespace markwash {
namespace {

using C = OptionControl;
using testing::kTestConfigHeader;
constexpr const char* kDefaultFile = "C:\\Plugins\\Markwash.cfg";
constexpr const char* kTidy = "G:\\Tidy\\Tidy.exe";

// The file of the factory settings below the header and an empty line.
const TextLines kFactoryKeyLines = {
    "markup: no", "wrap: 66", "wrap-attributes: no", "wrap-script-literals: no", "wrap-asp: yes", "wrap-jste: yes",
    "wrap-php: yes", "break-before-br: no", "indent: no", "indent-spaces: 2", "indent-attributes: no",
    "uppercase-tags: no", "uppercase-attributes: no", "hide-endtags: no", "enclose-text: no", "drop-empty-paras: yes",
    "quote-marks: no", "quote-nbsp: yes", "quote-ampersand: yes", "fix-backslash: yes", "fix-bad-comments: yes",
    "word-2000: no", "clean: no", "drop-font-tags: no", "logical-emphasis: no", "input-xml: no",
    "assume-xml-procins: no", "output-xml: no", "output-xhtml: no", "numeric-entities: no", "add-xml-pi: yes",
    "show-warnings: yes", "doctype: auto", "tidy-mark: yes", "char-encoding: ascii"};

class OptionEngineTest : public ::testing::Test {
 protected:
  void Read(const TextLines& lines) { rig.engine.ReadOptions(lines); }
  // Controls as the user sees them, joined by "|": a box "x" or "-", a list
  // its item and text, an up-down its position, an edit its text; " (off)"
  // when disabled.
  std::string Shown(const std::vector<C>& controls) {
    std::string shown;
    for (const C control : controls) {
      const auto& s = rig.view.states[control];
      std::string one = s.text;
      if (Entry(control).kind == ControlKind::CheckBox) one = s.checked ? "x" : "-";
      if (Entry(control).kind == ControlKind::UpDown) one = std::to_string(rig.view.Position(control));
      if (!Entry(control).items.empty()) one = std::to_string(s.item) + " " + s.text;
      shown += "|" + one + (s.enabled ? "" : " (off)");
    }
    return shown.substr(1);
  }
  // The keys' values in the lines joined by "|", "none" for a key without a line.
  static std::string Values(const TextLines& lines, std::initializer_list<const char*> keys) {
    std::string values;
    for (const char* key : keys) values += "|" + (FindKeyLine(lines, key) < 0 ? "none" : GetKeyValue(lines, key));
    return values.substr(1);
  }
  testing::OptionRig rig;
};

TEST_F(OptionEngineTest, AnEmptyScriptGivesTheFactorySettingsOfTheCatalogueAndTheirExactFile) {
  rig.engine.LoadOptionSet({});
  for (const OptionEntry& e : Catalogue()) {
    const auto& s = rig.view.states[e.control];
    if (!e.factory || e.kind == ControlKind::Memo) continue;
    EXPECT_TRUE(s.checked == e.factory->checked && s.enabled == e.factory->enabled && s.item == e.factory->item &&
                s.text == e.factory->text && (!e.factory->position || rig.view.Position(e.control) == e.factory->position))
        << e.name;
  }
  rig.engine.SaveOptionSet("C:\\out.cfg");
  EXPECT_EQ(rig.host.files["C:\\out.cfg"], kTestConfigHeader + "\r\n" + JoinLines(kFactoryKeyLines));
  const TextLines user = {"tab-size: 4", "", "// a comment: wrap: 1", "  indented: x", "gr\xfc\xdf: \xe4"};
  EXPECT_EQ(JoinLines(rig.Merge(user)), kTestConfigHeader + "\r\n" + JoinLines(user) + JoinLines(kFactoryKeyLines));
}

// Rule Y boxes are checked only for a value Tidy reads as yes, rule N boxes
// cleared only for a value it reads as no; the merge keeps that meaning.
TEST_F(OptionEngineTest, EveryBoxReadsAndWritesItsValueAsTidyDoes) {
  for (const auto& [value, reads] : {std::pair{"yes", 'y'}, {"Yes", 'y'}, {"y", 'y'}, {"T", 'y'}, {"true", 'y'},
                                     {"1", 'y'}, {"yes please", 'y'}, {"no", 'n'}, {"N", 'n'}, {"False", 'n'},
                                     {"f", 'n'}, {"0", 'n'}, {"", '?'}, {"maybe", '?'}, {"auto", '?'}}) {
    TextLines script;
    for (const OptionEntry& e : Catalogue()) {
      if (e.rule == ReadRule::kY || e.rule == ReadRule::kN) script.push_back(std::string(e.key) + ": " + value);
      rig.view.SetCheckedRaw(e.control, e.rule == ReadRule::kY ? reads != 'y' : reads == 'n');
    }
    Read(script);
    const TextLines merged = rig.Merge(script);
    for (const OptionEntry& e : Catalogue()) {
      if (e.rule != ReadRule::kY && e.rule != ReadRule::kN) continue;
      const bool checked = e.rule == ReadRule::kY ? reads == 'y' : reads != 'n';
      EXPECT_EQ(std::string(rig.view.Checked(e.control) ? "x " : "- ") + GetKeyValue(merged, e.key),
                checked ? "x yes" : "- no") << e.name << ": " << value;
    }
  }
}

TEST_F(OptionEngineTest, EveryOtherControlShowsWhatTidyReadsAndMergesItBack) {
  for (const auto& [script, control, shown, key, written] : {
           std::tuple<TextLines, C, const char*, const char*, const char*>{{"wrap: 0"}, C::udWrap, "0 (off)", "wrap", "0"},
           {{"wrap: 0", "// wrap: 72"}, C::cbWrap, "-", "// wrap", "72"},
           {{"indent-spaces: 32"}, C::udIndentSpaces, "32", "indent-spaces", "32"},
           {{"indent: True"}, C::cbIndent, "1 ja", "indent", "yes"},
           {{"indent: AUTO"}, C::cbIndent, "2 auto", "indent", "auto"},
           {{"// alt-text:  Bild ", "x: 1"}, C::eAltText, "Bild (off)", "// alt-text", "Bild"},
           {{"doctype: Strict"}, C::cbDocType, "2 strict", "doctype", "strict"},  // text equal to an item selects it
           {{"doctype: \"a \"\"b\"\"\""}, C::cbDocType, "-1 a \"b\"", "doctype", "\"a \"\"b\"\"\""},
           // Tidy's own keywords stay bare: quoted, Tidy takes them for a name.
           {{"doctype: \" HTML5 \""}, C::cbDocType, "-1  HTML5 ", "doctype", "HTML5"},
           {{"char-encoding: UTF8"}, C::cbCharEncoding, "3 utf8", "char-encoding", "utf8"},
           {{"char-encoding: utf-8"}, C::cbCharEncoding, "-1 ", "char-encoding", "utf-8"},  // unknown: kept as typed
           {{"new-pre-tags:  pre, x "}, C::eNewPreTags, "pre, x", "new-pre-tags", "pre, x"},
           // assume-xml-procins follows its own value, else the input box.
           {{"input-xml: yes", "assume-xml-procins: "}, C::cbAssumeXmlProcins, "x", "assume-xml-procins", "yes"},
           // Logical emphasis checks Clean, so it is read first: the script's clean value stands.
           {{"logical-emphasis: yes", "clean: no"}, C::cbDropFontTags, "- (off)", "clean", "no"},
           // A path line that names no file stays as it is.
           {{"// Path to Tidy.exe: D:\\Old.exe"}, C::cbMarkup, "-", "// Path to Tidy.exe", "D:\\Old.exe"}}) {
    Read(script);
    EXPECT_EQ(Shown({control}) + " | " + Values(rig.Merge(script), {key}), std::string(shown) + " | " + written)
        << script[0];
  }
  rig.view.SetItemIndex(C::cbCharEncoding, 2);  // a choice from the list replaces an unknown value
  rig.view.SetItemIndex(C::cbIndent, -1);       // as built: no selection leaves the line alone
  EXPECT_EQ(Values(rig.Merge({"char-encoding: utf-8", "indent: auto"}), {"char-encoding", "indent"}), "latin1|auto");
}

TEST_F(OptionEngineTest, TidyPathFromTheScriptTheLabelOrTheSearchAndOnlyAFoundTidyOffersToSaveTheDefaultSet) {
  rig.host.path_variable = "C:\\Bin;;D:\\Tools\\";
  rig.host.not_found_answer = rig.host.save_default_answer = true;
  Read({});  // the user does not find it either
  EXPECT_EQ(rig.host.probes, (std::vector<std::string>{"Tidy.exe nicht gefunden!", "Tidy.exe", "C:\\Plugins\\Tidy.exe",
                                                        "C:\\Work\\Tidy.exe", "C:\\Bin\\Tidy.exe", "D:\\Tools\\Tidy.exe",
                                                        "Tidy.exe nicht gefunden!"}));
  rig.LocateFinds(kTidy);
  Read({"markup: yes"});
  EXPECT_EQ(rig.host.asked + Shown({C::cbMarkup}), "NLNLSPx");  // reading goes on
  rig.host.path_variable = std::string(3000, 'x') + ";F:\\Far";  // whatever its length
  rig.host.AddFile("F:\\Far\\Tidy.exe");
  rig.view.SetTidyPath("E:\\Gone", false);
  Read({"// Path to Tidy.exe: E:\\Gone\\Tidy.exe"});  // a missing file is not taken
  EXPECT_EQ(rig.view.tidy_path + (rig.view.tidy_path_bold ? " bold" : ""), "F:\\Far\\Tidy.exe");
  rig.host.AddFile("E:\\Known\\Tidy.exe");
  rig.view.SetTidyPath("E:\\Known\\Tidy.exe", false);
  Read({});  // the label's file outlives a set that names none
  EXPECT_EQ(rig.view.tidy_path, "E:\\Known\\Tidy.exe");
  rig.host.AddFile("E:\\T\\tidy.exe");
  Read({"// Path to Tidy.exe: E:\\T\\tidy.exe"});
  EXPECT_EQ(rig.view.tidy_path, "E:\\T\\tidy.exe");
}

TEST_F(OptionEngineTest, LoadingReplacesTheScriptOrChangesNothingAndABadNumberStopsReading) {
  rig.host.AddFile("C:\\set.cfg", "clean: yes\nwrap: 80\r// mine\r\n");
  rig.engine.LoadOptionSet("C:\\set.cfg");
  EXPECT_EQ(rig.view.script, (TextLines{"clean: yes", "wrap: 80", "// mine"}));
  EXPECT_EQ(Shown({C::cbClean, C::udWrap}), "x|80");
  rig.host.locked.insert("C:\\set.cfg");
  EXPECT_THROW(rig.engine.LoadOptionSet("C:\\set.cfg"), Error);
  EXPECT_EQ(rig.view.script.size(), 3u);
  rig.engine.LoadOptionSet("C:\\missing.cfg");
  EXPECT_EQ(std::to_string(rig.view.script.size()) + Shown({C::cbClean}), "0-");
  EXPECT_THROW(Read({"markup: yes", "wrap: 7x", "clean: yes"}), Error);  // the path, markup and wrap come first
  EXPECT_EQ(Shown({C::cbMarkup, C::udWrap, C::cbClean}) + std::to_string(rig.cursor.depth()), "x|66|-0");
}

TEST_F(OptionEngineTest, MergingWritesTheControlsAsTheyStandUnderTheHeaderInTheLastLineOfEachKey) {
  const TextLines changed = rig.Merge({"// Konfigurationsdatei fuer HTML Tidy"});  // stays below the full header
  EXPECT_EQ(changed[3] + "|" + changed[4], "|// Konfigurationsdatei fuer HTML Tidy");
  const TextLines keys = rig.Merge({"WRAP: 80", "clean: yes", "clean: yes", " wrap: 12"});
  EXPECT_EQ(TextLines(keys.begin() + 4, keys.begin() + 9),
            (TextLines{"wrap: 66", "clean: yes", "clean: no", " wrap: 12", "markup: yes"}));
  rig.view.SetPosition(C::udWrap, 72);
  rig.engine.SetChecked(C::cbWrap, false);
  TextLines lines = rig.Merge({});
  EXPECT_EQ(Values(lines, {"wrap", "// wrap"}), "0|72");
  rig.engine.SetChecked(C::cbWrap, true);
  rig.view.SetText(C::eWrap, "abc");  // not a number: the last valid position counts
  rig.view.SetText(C::cbDocType, "say \"hi\"");
  for (const C box : {C::cbClean, C::cbDropFontTags, C::cbClean}) rig.Click(box);  // disabled, but still written
  rig.engine.SetChecked(C::cbAltText, true);  // checked, an empty alt text is written empty
  rig.view.SetText(C::eNewBlocklevelTags, "  ");
  EXPECT_EQ(Values(rig.Merge(lines), {"wrap", "// wrap", "doctype", "drop-font-tags", "alt-text", "new-blocklevel-tags"}),
            "72|none|\"say \"\"hi\"\"\"|yes||none");
}

TEST_F(OptionEngineTest, SavingMergesTheControlsExceptOnTheScriptPage) {
  rig.view.script = {"wrap: 12", "my-key: 1"};
  rig.host.active_page = OptionPage::kConfig;
  rig.engine.bAsDefaultOptionsClick();
  EXPECT_EQ(rig.host.files[kDefaultFile], "wrap: 12\r\nmy-key: 1\r\n");
  rig.host.active_page = OptionPage::kOther;
  rig.engine.SaveOptionSet("C:\\run.cfg");
  EXPECT_EQ(rig.host.files["C:\\run.cfg"], JoinLines(rig.view.script));
  EXPECT_EQ(Values(rig.view.script, {"wrap", "my-key"}), "66|1");
}

TEST_F(OptionEngineTest, BoxesRuleTheirNeighboursOnlyWhenTheyChange) {
  rig.view.SetPosition(C::udWrap, 72);
  rig.view.SetText(C::eAltText, "Bild");
  rig.engine.SetChecked(C::cbWrap, true);  // no change: no rule
  for (const auto& [click, controls, shown] : {
           std::tuple<C, std::vector<C>, const char*>{
               C::cbWrap, {C::lWrap, C::eWrap, C::udWrap}, " (off)|0 (off)|0 (off)"},  // a label shows no text here
           {C::cbWrap, {C::lWrap, C::udWrap}, "|72"},
           {C::cbClean, {C::cbDropFontTags}, "-"},
           {C::cbDropFontTags, {C::cbDropFontTags}, "x"},
           {C::cbClean, {C::cbDropFontTags}, "x (off)"},
           {C::cbAltText, {C::eAltText}, "Bild"},
           {C::cbAltText, {C::eAltText}, "Bild (off)"},
           {C::cbInputXML, {C::cbAssumeXmlProcins}, "x"},
           {C::cbAssumeXmlProcins, {C::cbInputXML, C::cbAssumeXmlProcins}, "x|-"},  // stays free
           {C::cbLogicalEmphasis, {C::cbClean, C::cbDropFontTags}, "x|x"},
           {C::cbLogicalEmphasis, {C::cbClean}, "x"}}) {
    rig.Click(click);
    EXPECT_EQ(Shown(controls), shown) << Entry(click).name;
  }
}

TEST_F(OptionEngineTest, TheScriptPageIsMergedOnArrivalAndReadWhenLeft) {
  rig.engine.PagesChange(OptionPage::kOther);
  EXPECT_TRUE(rig.view.script.empty());
  rig.engine.PagesChange(OptionPage::kConfig);
  rig.view.script.push_back("tidy-mark: no");  // typed by the user
  rig.engine.PagesChanging(OptionPage::kOptions);
  EXPECT_EQ(Values(rig.view.script, {"wrap"}) + Shown({C::cbTidyMark}), "66x");
  rig.engine.PagesChanging(OptionPage::kConfig);
  EXPECT_EQ(Shown({C::cbTidyMark}), "-");
}

TEST_F(OptionEngineTest, TheFirstResizeLoadsTheDefaultFileOnceAndResetChoosesTheFactorySettingsOrIt) {
  rig.host.AddFile(kDefaultFile, "clean: yes\r\n");
  rig.host.not_found_answer = true;
  rig.host.on_locate = [this] { rig.engine.FormResize(); };  // a resize during the load
  rig.engine.FormResize();
  rig.engine.SetChecked(C::cbClean, false);
  rig.engine.FormResize();
  EXPECT_EQ(Shown({C::cbClean}) + rig.host.asked + rig.view.script[0], "-NLclean: yes");
  for (const auto& [answer, script] : {std::pair{ResetAnswer::kYes, TextLines{}}, {ResetAnswer::kNo, {"clean: yes"}},
                                       {ResetAnswer::kCancel, {"typed: 1"}}}) {
    rig.view.script = {"typed: 1"};
    rig.view.SetCheckedRaw(C::cbWord2000, true);
    rig.host.reset_answer = answer;
    rig.engine.bResetOptionsClick();
    EXPECT_EQ(rig.view.script, script);
    EXPECT_EQ(Shown({C::cbWord2000}), answer == ResetAnswer::kCancel ? "x" : "-");
  }
}

// After a reset on "Config-Datei" has led the user to Tidy, the posted click
// stores the located path with the script as it stands there.
TEST_F(OptionEngineTest, ThePostedDefaultSaveKeepsTheLocatedPath) {
  rig.LocateFinds(kTidy);
  rig.host.save_default_answer = true;
  rig.host.active_page = OptionPage::kConfig;
  rig.engine.bResetOptionsClick();  // no default file: nothing to ask
  rig.engine.bAsDefaultOptionsClick();
  EXPECT_EQ(rig.host.asked, "NLSP");
  EXPECT_EQ(rig.host.files[kDefaultFile], std::string("// Path to Tidy.exe: ") + kTidy + "\r\n");
  EXPECT_EQ(JoinLines(rig.view.script), rig.host.files[kDefaultFile]);
  rig.view.script = {"clean: yes"};  // a click of the user's own saves the script as edited
  rig.engine.bAsDefaultOptionsClick();
  EXPECT_EQ(rig.host.files[kDefaultFile], "clean: yes\r\n");
}

}  // namespace
}  // namespace markwash
