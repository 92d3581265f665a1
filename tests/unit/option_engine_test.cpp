// The option engine between the dialog's controls and an HTML Tidy option
// set: reading a script into the controls, merging the controls back, the
// rules between boxes, and the option files it loads and saves.
#include <gtest/gtest.h>

#include "../support/fake_options.h"
#include "core/options/config_lines.h"

namespace markwash {
namespace {

using C = OptionControl;
using testing::kTestConfigHeader;

const char* const kFactoryKeyLines[] = {
    "markup: no", "wrap: 66", "wrap-attributes: no", "wrap-script-literals: no", "wrap-asp: yes", "wrap-jste: yes",
    "wrap-php: yes", "break-before-br: no", "indent: no", "indent-spaces: 2", "indent-attributes: no",
    "uppercase-tags: no", "uppercase-attributes: no", "hide-endtags: no", "enclose-text: no",
    "drop-empty-paras: yes", "quote-marks: no", "quote-nbsp: yes", "quote-ampersand: yes", "fix-backslash: yes",
    "fix-bad-comments: yes", "word-2000: no", "clean: no", "drop-font-tags: no", "logical-emphasis: no",
    "input-xml: no", "assume-xml-procins: no", "output-xml: no", "output-xhtml: no", "numeric-entities: no",
    "add-xml-pi: yes", "show-warnings: yes", "doctype: auto", "tidy-mark: yes", "char-encoding: ascii"};
constexpr std::size_t kHeaderLines = 4;  // three comment lines and an empty one
constexpr std::size_t kKeyLines = std::size(kFactoryKeyLines);
constexpr const char* kDefaultFile = "C:\\Plugins\\Markwash.cfg";

class OptionEngineTest : public ::testing::Test {
 protected:
  void Read(const TextLines& lines) { rig.engine.ReadOptions(lines); }
  std::string ReadError(const TextLines& lines) {
    try {
      Read(lines);
    } catch (const Error& error) {
      return error.what();
    }
    return "no error";
  }
  TextLines Merge(TextLines lines) {
    rig.engine.WriteOptions(lines);
    return lines;
  }
  // A user's click: the box toggles, then its handler runs.
  void UserClick(C box) {
    rig.view.SetCheckedRaw(box, !rig.view.Checked(box));
    rig.engine.Click(box);
  }
  testing::FakeOptionView::State& S(C control) { return rig.view.state(control); }
  int Position(C updown) { return rig.view.Position(updown); }

  testing::OptionRig rig;
};

TEST_F(OptionEngineTest, AnEmptyScriptGivesTheFactorySettingsAndTheirExactFile) {
  Read({});
  for (const OptionEntry& e : Catalogue()) {
    if (!e.factory || e.kind == ControlKind::Memo) continue;
    const ControlState& f = *e.factory;
    const auto& s = S(e.control);
    const int position = e.kind == ControlKind::UpDown ? Position(e.control) : f.position;
    EXPECT_TRUE(s.checked == f.checked && s.enabled == f.enabled && s.item == f.item && s.text == f.text &&
                position == f.position) << e.name;
  }
  EXPECT_TRUE(rig.view.script().empty());
  EXPECT_EQ(rig.host.not_found_questions, 1);
  rig.engine.SaveOptionSet("C:\\out.cfg");
  std::string expected = kTestConfigHeader + "\r\n";
  for (const char* line : kFactoryKeyLines) expected += std::string(line) + "\r\n";
  EXPECT_EQ(rig.host.FileText("C:\\out.cfg"), expected);
}

// Rule Y boxes are checked only for a value Tidy reads as yes, rule N boxes
// cleared only for a value it reads as no; the merge keeps that meaning.
TEST_F(OptionEngineTest, EveryBoxReadsAndWritesItsValueAsTidyDoes) {
  const struct {
    const char* value;
    bool tidy_yes, tidy_no;
  } cases[] = {{"yes", true, false},   {"Yes", true, false},   {"y", true, false},    {"T", true, false},
               {"true", true, false},  {"1", true, false},     {"yes please", true, false},
               {"no", false, true},    {"N", false, true},     {"False", false, true}, {"f", false, true},
               {"0", false, true},     {"", false, false},     {"maybe", false, false}, {"auto", false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    TextLines script;
    for (const OptionEntry& e : Catalogue()) {
      if (e.rule != ReadRule::kY && e.rule != ReadRule::kN) continue;
      script.push_back(std::string(e.key) + ": " + c.value);
      rig.view.SetCheckedRaw(e.control, e.rule == ReadRule::kY ? !c.tidy_yes : c.tidy_no);
    }
    Read(script);
    const TextLines merged = Merge(script);
    for (const OptionEntry& e : Catalogue()) {
      if (e.rule != ReadRule::kY && e.rule != ReadRule::kN) continue;
      const bool checked = e.rule == ReadRule::kY ? c.tidy_yes : !c.tidy_no;
      EXPECT_EQ(S(e.control).checked, checked) << e.name;
      EXPECT_EQ(GetKeyValue(merged, e.key), checked ? "yes" : "no") << e.name;
    }
  }
}

TEST_F(OptionEngineTest, NumbersAreReadIntoTheirFieldsAndWrapZeroClearsTheBoxUntilCheckedAgain) {
  const struct {
    TextLines script;
    bool checked;
    int position, again;
  } cases[] = {{{"wrap: 0"}, false, 0, 66},
               {{"wrap: 0", "// wrap: 72"}, false, 0, 72},
               {{"wrap: 72"}, true, 72, 72},
               {{"wrap: 00"}, true, 0, 0}};  // zero, but not exactly "0"
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script[0]);
    Read(c.script);
    EXPECT_EQ(S(C::cbWrap).checked, c.checked);
    EXPECT_EQ(Position(C::udWrap), c.position);
    for (const C control : {C::lWrap, C::eWrap, C::udWrap}) EXPECT_EQ(S(control).enabled, c.checked);
    rig.engine.SetChecked(C::cbWrap, true);
    EXPECT_EQ(Position(C::udWrap), c.again);
  }
  Read({"indent-spaces: 32"});
  EXPECT_EQ(Position(C::udIndentSpaces), 32);
  Read({"indent-spaces: abc"});  // shown as typed; the last valid position stays
  EXPECT_EQ(S(C::eIndentSpaces).text, "abc");
  EXPECT_EQ(Position(C::udIndentSpaces), 32);
}

TEST_F(OptionEngineTest, ABadNumberStopsReadingWherePathMarkupAndWrapComeFirst) {
  rig.host.AddFile("C:\\Tidy\\Tidy.exe");
  rig.view.SetPosition(C::udWrap, 50);
  EXPECT_EQ(ReadError({"// Path to Tidy.exe: C:\\Tidy\\Tidy.exe", "markup: yes", "wrap: 7x", "clean: yes",
                       "indent: yes"}),
            "'7x' is not a valid integer value");
  EXPECT_EQ(rig.view.TidyPath(), "C:\\Tidy\\Tidy.exe");
  EXPECT_TRUE(S(C::cbMarkup).checked);
  EXPECT_EQ(Position(C::udWrap), 50);
  EXPECT_FALSE(S(C::cbClean).checked);
  EXPECT_EQ(S(C::cbIndent).item, -1);
  EXPECT_EQ(rig.cursor.depth(), 0);
  EXPECT_EQ(ReadError({"wrap: 0", "// wrap: seventy", "clean: yes"}), "'seventy' is not a valid integer value");
  EXPECT_FALSE(S(C::cbWrap).checked);
  EXPECT_FALSE(S(C::cbClean).checked);
}

TEST_F(OptionEngineTest, LogicalEmphasisIsReadBeforeCleanSoTheScriptsCleanValueStands) {
  Read({"logical-emphasis: yes", "clean: no"});
  EXPECT_TRUE(S(C::cbLogicalEmphasis).checked);
  EXPECT_FALSE(S(C::cbClean).checked);
  EXPECT_FALSE(S(C::cbDropFontTags).enabled);
}

TEST_F(OptionEngineTest, AltTextComesFromTheKeyOrItsCommentAndGoesWhereItsBoxSays) {
  Read({"// alt-text:  Bild ", "x: 1"});
  EXPECT_FALSE(S(C::cbAltText).checked);
  EXPECT_EQ(S(C::eAltText).text, "Bild");
  EXPECT_FALSE(S(C::eAltText).enabled);
  TextLines lines = Merge({});
  EXPECT_EQ(GetKeyValue(lines, "// alt-text"), "Bild");
  EXPECT_EQ(FindKeyLine(lines, "alt-text"), -1);
  rig.engine.SetChecked(C::cbAltText, true);
  lines = Merge(lines);
  EXPECT_EQ(GetKeyValue(lines, "alt-text"), "Bild");
  EXPECT_EQ(FindKeyLine(lines, "// alt-text"), -1);
  rig.view.SetText(C::eAltText, "");
  lines = Merge(lines);
  EXPECT_EQ(lines[static_cast<std::size_t>(FindKeyLine(lines, "alt-text"))], "alt-text: ");
  Read({"// alt-text: alt", "alt-text: "});
  EXPECT_TRUE(S(C::cbAltText).checked);
  EXPECT_EQ(S(C::eAltText).text, "");
  EXPECT_TRUE(S(C::eAltText).enabled);
  rig.engine.SetChecked(C::cbAltText, false);
  lines = Merge(lines);
  EXPECT_EQ(FindKeyLine(lines, "alt-text"), -1);
  EXPECT_EQ(FindKeyLine(lines, "// alt-text"), -1);
}

TEST_F(OptionEngineTest, ListsAndTextsShowWhatTidyReadsAndMergeItBack) {
  const struct {
    const char* line;
    C control;
    int item;
    const char* shown;  // nullptr: not checked
    const char* written;
  } cases[] = {
      {"indent: yes", C::cbIndent, 1, nullptr, "yes"},
      {"indent: True", C::cbIndent, 1, nullptr, "yes"},
      {"indent: AUTO", C::cbIndent, 2, nullptr, "auto"},
      {"indent: maybe", C::cbIndent, 0, nullptr, "no"},
      {"indent: ", C::cbIndent, 0, nullptr, "no"},
      {"doctype: ", C::cbDocType, 1, "auto", "auto"},
      {"doctype: omit", C::cbDocType, 0, "omit", "omit"},
      {"doctype: Strict", C::cbDocType, 2, "strict", "strict"},  // text equal to an item selects it
      {"doctype: \"loose\"", C::cbDocType, 3, "loose", "loose"},
      {"doctype: \"-//W3C//DTD HTML 4.01//EN\"", C::cbDocType, -1, "-//W3C//DTD HTML 4.01//EN",
       "\"-//W3C//DTD HTML 4.01//EN\""},
      {"doctype: \"a \"\"b\"\"\"", C::cbDocType, -1, "a \"b\"", "\"a \"\"b\"\"\""},
      {"doctype: \"abc", C::cbDocType, -1, "ab", "\"ab\""},  // no closing quote
      // Tidy's own keywords stay bare: quoted, Tidy takes them for a name.
      {"doctype: HTML5", C::cbDocType, -1, "HTML5", "HTML5"},
      {"doctype: \" html5 \"", C::cbDocType, -1, " html5 ", "html5"},
      {"doctype: transitional", C::cbDocType, -1, "transitional", "transitional"},
      {"doctype: html", C::cbDocType, -1, "html", "\"html\""},
      {"char-encoding: UTF8", C::cbCharEncoding, 3, nullptr, "utf8"},
      {"char-encoding: latin1", C::cbCharEncoding, 2, nullptr, "latin1"},
      {"char-encoding: ", C::cbCharEncoding, 1, nullptr, "ascii"},
      {"char-encoding: utf-8", C::cbCharEncoding, -1, nullptr, "utf-8"},  // unknown: kept as typed
      {"new-blocklevel-tags:  cfoutput, cfquery  ", C::eNewBlocklevelTags, -1, "cfoutput, cfquery",
       "cfoutput, cfquery"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    Read({c.line});
    EXPECT_EQ(S(c.control).item, c.item);
    if (c.shown) EXPECT_EQ(S(c.control).text, c.shown);
    EXPECT_EQ(GetKeyValue(Merge({c.line}), Entry(c.control).key), c.written);
  }
  rig.view.SetItemIndex(C::cbCharEncoding, 2);  // a choice from the list replaces an unknown value
  EXPECT_EQ(GetKeyValue(Merge({"char-encoding: utf-8"}), "char-encoding"), "latin1");
  rig.view.SetItemIndex(C::cbIndent, -1);  // as built: no selection leaves the line alone
  EXPECT_EQ(GetKeyValue(Merge({"indent: auto"}), "indent"), "auto");
}

TEST_F(OptionEngineTest, AssumeXmlProcinsFollowsItsValueOrElseTheInputBox) {
  const struct {
    const char *input, *procins;
    bool checked;
  } cases[] = {{"yes", "", true}, {"yes", "no", false}, {"no", "yes", true}, {"no", "", false},
               {"T", "F", false}, {"T", "?", true},     {"no", "Y", true}};
  for (const auto& c : cases) {
    const TextLines script = {std::string("input-xml: ") + c.input, std::string("assume-xml-procins: ") + c.procins};
    Read(script);
    EXPECT_EQ(S(C::cbAssumeXmlProcins).checked, c.checked) << c.input << "/" << c.procins;
    EXPECT_EQ(GetKeyValue(Merge(script), "assume-xml-procins"), c.checked ? "yes" : "no");
  }
}

TEST_F(OptionEngineTest, TidyPathFromTheScriptTheLabelOrTheSearchInThatOrder) {
  rig.host.path_variable = "C:\\Bin;;D:\\Tools\\";
  rig.host.AddFile("E:\\Known\\Tidy.exe");
  rig.view.SetTidyPath("E:\\Known\\Tidy.exe", false);
  Read({"// Path to Tidy.exe: E:\\Gone\\Tidy.exe"});  // a missing file is not taken
  EXPECT_EQ(rig.view.TidyPath(), "E:\\Known\\Tidy.exe");
  rig.host.AddFile("E:\\T\\tidy.exe");
  Read({"// Path to Tidy.exe: E:\\T\\tidy.exe"});
  EXPECT_EQ(rig.view.TidyPath(), "E:\\T\\tidy.exe");
  EXPECT_EQ(rig.host.not_found_questions, 0);

  testing::OptionRig fresh;
  fresh.host.path_variable = rig.host.path_variable;
  fresh.engine.ReadOptions({});
  const std::vector<std::string> order = {"Tidy.exe nicht gefunden!", "Tidy.exe", "C:\\Plugins\\Tidy.exe",
                                          "C:\\Work\\Tidy.exe", "C:\\Bin\\Tidy.exe", "D:\\Tools\\Tidy.exe"};
  ASSERT_GE(fresh.host.probes.size(), order.size());
  EXPECT_EQ(std::vector<std::string>(fresh.host.probes.begin(), fresh.host.probes.begin() + 6), order);
  EXPECT_TRUE(fresh.view.tidy_path_bold);
  fresh.host.path_variable = std::string(3000, 'x') + ";F:\\Far";  // whatever its length
  fresh.host.AddFile("F:\\Far\\Tidy.exe");
  fresh.engine.ReadOptions({});
  EXPECT_EQ(fresh.view.TidyPath(), "F:\\Far\\Tidy.exe");
  EXPECT_FALSE(fresh.view.tidy_path_bold);
}

TEST_F(OptionEngineTest, NotFoundAsksToLocateAndOnlyAFoundTidyOffersToSaveTheDefaultSet) {
  rig.view.SetTidyPath("E:\\Gone\\Tidy.exe", false);
  Read({});
  EXPECT_EQ(rig.host.locates, 0);
  EXPECT_EQ(rig.view.TidyPath(), "Tidy.exe nicht gefunden!");
  EXPECT_TRUE(rig.view.tidy_path_bold);
  rig.host.not_found_answer = rig.host.save_default_answer = true;
  Read({});  // the user does not find it either
  EXPECT_EQ(rig.host.locates, 1);
  EXPECT_EQ(rig.host.save_default_questions, 0);
  rig.host.on_locate = [this] {
    rig.host.AddFile("G:\\Tidy\\Tidy.exe");
    rig.view.SetTidyPath("G:\\Tidy\\Tidy.exe", false);
  };
  Read({"markup: yes"});
  EXPECT_EQ(rig.host.save_default_questions, 1);
  EXPECT_EQ(rig.host.posted_default_clicks, 1);
  EXPECT_TRUE(S(C::cbMarkup).checked);  // reading goes on
  EXPECT_EQ(rig.host.not_found_questions, 3);
}

TEST_F(OptionEngineTest, LoadingReplacesTheScriptOrChangesNothingWhenTheFileCannotBeRead) {
  rig.host.AddFile("C:\\set.cfg", "clean: yes\nwrap: 80\r// mine\r\n");
  rig.engine.LoadOptionSet("C:\\set.cfg");
  EXPECT_EQ(rig.view.script(), (TextLines{"clean: yes", "wrap: 80", "// mine"}));
  EXPECT_TRUE(S(C::cbClean).checked);
  EXPECT_EQ(Position(C::udWrap), 80);
  rig.host.unreadable.insert("C:\\set.cfg");
  EXPECT_THROW(rig.engine.LoadOptionSet("C:\\set.cfg"), Error);
  EXPECT_EQ(rig.view.script().size(), 3u);
  for (const char* name : {"", "C:\\missing.cfg"}) {
    rig.engine.LoadOptionSet(name);
    EXPECT_TRUE(rig.view.script().empty());
    EXPECT_FALSE(S(C::cbClean).checked);
  }
}

TEST_F(OptionEngineTest, MergingKeepsForeignLinesAndTheHeaderAndReplacesOnlyTheLastLineOfAKey) {
  rig.engine.LoadOptionSet({});  // factory settings
  const TextLines user = {"tab-size: 4", "", "// a comment: wrap: 1", "  indented: x", "gr\xfc\xdf: \xe4"};
  const TextLines merged = Merge(user);
  ASSERT_EQ(merged.size(), kHeaderLines + user.size() + kKeyLines);
  EXPECT_EQ(JoinLines(TextLines(merged.begin(), merged.begin() + 4)), kTestConfigHeader + "\r\n");
  EXPECT_EQ(TextLines(merged.begin() + 4, merged.begin() + 9), user);
  EXPECT_EQ(Merge(merged), merged);

  EXPECT_EQ(Merge(SplitLines(kTestConfigHeader + "wrap: 80\r\n")).size(), 3u + kKeyLines);
  const TextLines changed = Merge({"// Konfigurationsdatei fuer HTML Tidy"});
  EXPECT_EQ(changed[3], "");
  EXPECT_EQ(changed[4], "// Konfigurationsdatei fuer HTML Tidy");

  const TextLines keys = Merge({"WRAP: 80", "clean: yes", "clean: yes", " wrap: 12"});
  EXPECT_EQ(TextLines(keys.begin() + 4, keys.begin() + 9),
            (TextLines{"wrap: 66", "clean: yes", "clean: no", " wrap: 12", "markup: no"}));
}

TEST_F(OptionEngineTest, MergingWritesTheControlsAsTheyStand) {
  rig.view.SetPosition(C::udWrap, 72);
  rig.engine.SetChecked(C::cbWrap, false);
  TextLines lines = Merge({});
  EXPECT_EQ(GetKeyValue(lines, "wrap"), "0");
  EXPECT_EQ(GetKeyValue(lines, "// wrap"), "72");
  rig.engine.SetChecked(C::cbWrap, true);
  rig.view.SetText(C::eIndentSpaces, "4");
  lines = Merge(lines);
  EXPECT_EQ(GetKeyValue(lines, "wrap"), "72");
  EXPECT_EQ(FindKeyLine(lines, "// wrap"), -1);
  EXPECT_EQ(GetKeyValue(lines, "indent-spaces"), "4");
  rig.view.SetText(C::eWrap, "abc");  // not a number: the last valid position counts
  EXPECT_EQ(GetKeyValue(Merge({}), "wrap"), "72");

  rig.view.SetText(C::eNewBlocklevelTags, "cfoutput");
  rig.view.SetText(C::eNewInlineTags, " x ");
  lines = Merge({});
  const int inline_line = FindKeyLine(lines, "new-inline-tags");
  EXPECT_EQ(lines[static_cast<std::size_t>(inline_line)], "new-inline-tags:  x ");
  EXPECT_EQ(FindKeyLine(lines, "new-blocklevel-tags"), inline_line + 1);
  rig.view.SetText(C::eNewBlocklevelTags, "  ");
  EXPECT_EQ(FindKeyLine(Merge(lines), "new-blocklevel-tags"), -1);

  rig.view.SetText(C::cbDocType, "say \"hi\"");
  EXPECT_EQ(GetKeyValue(Merge({}), "doctype"), "\"say \"\"hi\"\"\"");
  rig.engine.SetChecked(C::cbClean, true);
  rig.engine.SetChecked(C::cbDropFontTags, true);
  rig.engine.SetChecked(C::cbClean, false);  // disabled, but still written
  EXPECT_EQ(GetKeyValue(Merge({}), "drop-font-tags"), "yes");
}

TEST_F(OptionEngineTest, ThePathLineIsWrittenOnlyForAnExistingFile) {
  const TextLines user = {"// Path to Tidy.exe: D:\\Old\\Tidy.exe"};
  EXPECT_EQ(Merge(user)[4], user[0]);
  rig.host.AddFile("C:\\Tidy\\Tidy.exe");
  rig.view.SetTidyPath("C:\\Tidy\\Tidy.exe", false);
  EXPECT_EQ(Merge(user)[4], "// Path to Tidy.exe: C:\\Tidy\\Tidy.exe");
}

TEST_F(OptionEngineTest, SavingMergesTheControlsExceptOnTheScriptPage) {
  rig.engine.LoadOptionSet({});
  rig.view.script() = {"wrap: 12", "my-key: 1"};
  rig.host.active_page = OptionPage::kConfig;
  rig.engine.bAsDefaultOptionsClick();
  EXPECT_EQ(rig.host.FileText(kDefaultFile), "wrap: 12\r\nmy-key: 1\r\n");
  for (const OptionPage page : {OptionPage::kOptions, OptionPage::kOther}) {
    rig.view.script() = {"wrap: 12"};
    rig.host.active_page = page;
    rig.engine.SaveOptionSet("C:\\run.cfg");
    const TextLines saved = SplitLines(rig.host.FileText("C:\\run.cfg"));
    EXPECT_EQ(GetKeyValue(saved, "wrap"), "66");
    EXPECT_EQ(rig.view.script(), saved);
  }
  rig.host.unwritable.insert("C:\\ro.cfg");
  rig.view.script() = {"x: 1"};
  EXPECT_THROW(rig.engine.SaveOptionSet("C:\\ro.cfg"), Error);
  EXPECT_EQ(rig.view.script().size(), kHeaderLines + 1 + kKeyLines);  // merged all the same
}

TEST_F(OptionEngineTest, BoxesRuleTheirNeighboursOnlyWhenTheyChange) {
  rig.view.SetPosition(C::udWrap, 72);
  rig.engine.SetChecked(C::cbWrap, true);  // no change: no rule
  UserClick(C::cbWrap);
  EXPECT_EQ(Position(C::udWrap), 0);
  EXPECT_EQ(rig.engine.RememberedWrapWidth(), 72);
  for (const C control : {C::lWrap, C::eWrap, C::udWrap}) EXPECT_FALSE(S(control).enabled);
  UserClick(C::cbWrap);
  EXPECT_EQ(Position(C::udWrap), 72);
  for (const C control : {C::lWrap, C::eWrap, C::udWrap}) EXPECT_TRUE(S(control).enabled);

  UserClick(C::cbClean);
  EXPECT_TRUE(S(C::cbDropFontTags).enabled);
  UserClick(C::cbDropFontTags);
  UserClick(C::cbClean);
  EXPECT_FALSE(S(C::cbDropFontTags).enabled);
  EXPECT_TRUE(S(C::cbDropFontTags).checked);

  rig.view.SetText(C::eAltText, "Bild");
  UserClick(C::cbAltText);
  EXPECT_TRUE(S(C::eAltText).enabled);
  UserClick(C::cbAltText);
  EXPECT_FALSE(S(C::eAltText).enabled);
  EXPECT_EQ(S(C::eAltText).text, "Bild");

  UserClick(C::cbInputXML);
  EXPECT_TRUE(S(C::cbAssumeXmlProcins).checked);
  UserClick(C::cbAssumeXmlProcins);  // stays free
  EXPECT_TRUE(S(C::cbInputXML).checked);
  UserClick(C::cbInputXML);
  UserClick(C::cbInputXML);
  EXPECT_TRUE(S(C::cbAssumeXmlProcins).checked);

  UserClick(C::cbLogicalEmphasis);
  EXPECT_TRUE(S(C::cbClean).checked);
  EXPECT_TRUE(S(C::cbDropFontTags).enabled);
  UserClick(C::cbLogicalEmphasis);
  EXPECT_TRUE(S(C::cbClean).checked);

  for (const auto& [typed, item] : {std::pair{"Loose", 3}, {"OMIT", 0}, {"stric", -1}}) {
    rig.view.SetText(C::cbDocType, typed);
    rig.engine.cbDocTypeChange();
    EXPECT_EQ(S(C::cbDocType).item, item) << typed;
  }
}

TEST_F(OptionEngineTest, TheScriptPageIsMergedOnArrivalAndReadWhenLeft) {
  rig.engine.LoadOptionSet({});
  rig.engine.PagesChange(OptionPage::kOther);
  EXPECT_TRUE(rig.view.script().empty());
  rig.engine.PagesChange(OptionPage::kConfig);
  EXPECT_EQ(rig.view.script().size(), kHeaderLines + kKeyLines);
  rig.view.script().push_back("tidy-mark: no");  // typed by the user
  rig.engine.PagesChanging(OptionPage::kOptions);
  EXPECT_TRUE(S(C::cbTidyMark).checked);
  rig.engine.PagesChanging(OptionPage::kConfig);
  EXPECT_FALSE(S(C::cbTidyMark).checked);
  rig.engine.PagesChange(OptionPage::kConfig);
  EXPECT_EQ(rig.view.script().back(), "tidy-mark: no");
}

TEST_F(OptionEngineTest, TheFirstResizeLoadsTheDefaultFileOnce) {
  rig.host.AddFile(kDefaultFile, "clean: yes\r\n");
  rig.host.not_found_answer = true;
  rig.host.on_locate = [this] { rig.engine.FormResize(); };  // a resize during the load
  rig.engine.FormResize();
  EXPECT_EQ(rig.host.locates, 1);
  EXPECT_TRUE(rig.engine.DefaultsLoaded());
  EXPECT_TRUE(S(C::cbClean).checked);
  rig.engine.SetChecked(C::cbClean, false);
  rig.engine.FormResize();
  EXPECT_FALSE(S(C::cbClean).checked);

  testing::OptionRig missing;
  missing.engine.FormResize();
  EXPECT_EQ(missing.view.ItemIndex(C::cbDocType), 1);
  testing::OptionRig unreadable;
  unreadable.host.AddFile(kDefaultFile, "markup: no\r\n");
  unreadable.host.unreadable.insert(kDefaultFile);
  EXPECT_THROW(unreadable.engine.FormResize(), Error);
  EXPECT_TRUE(unreadable.engine.DefaultsLoaded());
  EXPECT_TRUE(unreadable.view.Checked(C::cbMarkup));  // built state
}

TEST_F(OptionEngineTest, ResetChoosesTheFactorySettingsOrTheDefaultFile) {
  rig.view.script() = {"clean: yes"};
  rig.engine.bResetOptionsClick();
  EXPECT_EQ(rig.host.reset_questions, 0);  // no default file: nothing to ask
  EXPECT_TRUE(rig.view.script().empty());
  rig.host.AddFile(kDefaultFile, "clean: yes\r\n");
  for (const auto& [answer, script] : {std::pair{ResetAnswer::kYes, TextLines{}},
                                       {ResetAnswer::kNo, TextLines{"clean: yes"}},
                                       {ResetAnswer::kCancel, TextLines{"typed: 1"}}}) {
    rig.view.script() = {"typed: 1"};
    rig.view.SetCheckedRaw(C::cbWord2000, true);
    rig.host.reset_answer = answer;
    rig.engine.bResetOptionsClick();
    EXPECT_EQ(rig.view.script(), script);
    EXPECT_EQ(S(C::cbWord2000).checked, answer == ResetAnswer::kCancel);
  }
}

// After a reset or a load on "Config-Datei" has led the user to Tidy, the
// posted click stores the located path with the script as it stands there.
TEST_F(OptionEngineTest, ThePostedDefaultSaveKeepsTheLocatedPath) {
  constexpr const char* kTidy = "G:\\Tidy\\Tidy.exe";
  rig.host.not_found_answer = rig.host.save_default_answer = true;
  rig.host.on_locate = [this, kTidy] {
    rig.host.AddFile(kTidy);
    rig.view.SetTidyPath(kTidy, false);
  };
  rig.host.active_page = OptionPage::kConfig;
  rig.engine.bResetOptionsClick();
  ASSERT_EQ(rig.host.posted_default_clicks, 1);
  rig.engine.bAsDefaultOptionsClick();
  EXPECT_EQ(rig.host.FileText(kDefaultFile), std::string("// Path to Tidy.exe: ") + kTidy + "\r\n");
  EXPECT_EQ(JoinLines(rig.view.script()), rig.host.FileText(kDefaultFile));
  rig.view.script() = {"clean: yes"};  // a click of the user's own saves the script as edited
  rig.engine.bAsDefaultOptionsClick();
  EXPECT_EQ(rig.host.FileText(kDefaultFile), "clean: yes\r\n");

  rig.view.SetTidyPath("C:\\Gone\\Tidy.exe", false);
  rig.host.AddFile("C:\\set.cfg", "vertical-space: yes\r\n");
  rig.engine.LoadOptionSet("C:\\set.cfg");
  rig.engine.bAsDefaultOptionsClick();
  EXPECT_EQ(rig.host.FileText(kDefaultFile), std::string("vertical-space: yes\r\n// Path to Tidy.exe: ") + kTidy + "\r\n");

}

}  // namespace
}  // namespace markwash
