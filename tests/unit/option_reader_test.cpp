#include <gtest/gtest.h>

#include "../support/fake_options.h"

namespace markwash {
namespace {

using C = OptionControl;

class OptionReaderTest : public ::testing::Test {
 protected:
  void Read(const TextLines& lines) { rig.engine.ReadOptions(lines); }
  std::string ReadError(const TextLines& lines) {
    try {
      Read(lines);
    } catch (const Error& error) {
      return std::string(error.what());
    }
    return "no error";
  }
  testing::FakeOptionView::State& State(C control) { return rig.view.state(control); }

  testing::OptionRig rig;
};

TEST_F(OptionReaderTest, EmptyScriptGivesTheFactorySettings) {
  Read({});
  for (const OptionEntry& entry : Catalogue()) {
    if (!entry.factory) continue;
    const ControlState& factory = *entry.factory;
    const auto& state = State(entry.control);
    SCOPED_TRACE(std::string(entry.name));
    switch (entry.kind) {
      case ControlKind::CheckBox:
        EXPECT_EQ(state.checked, factory.checked);
        EXPECT_EQ(state.enabled, factory.enabled);
        break;
      case ControlKind::DropDownList:
        EXPECT_EQ(state.item, factory.item);
        break;
      case ControlKind::EditableCombo:
        EXPECT_EQ(state.item, factory.item);
        EXPECT_EQ(state.text, factory.text);
        break;
      case ControlKind::Edit:
        EXPECT_EQ(state.text, factory.text);
        EXPECT_EQ(state.enabled, factory.enabled);
        break;
      case ControlKind::NumericEdit:
        EXPECT_EQ(state.text, factory.text);
        break;
      case ControlKind::UpDown:
        EXPECT_EQ(rig.view.Position(entry.control), factory.position);
        break;
      case ControlKind::Memo:
        EXPECT_TRUE(rig.view.script().empty());
        break;
      default:
        ADD_FAILURE() << "factory state for a control without one";
    }
  }
  EXPECT_EQ(rig.host.not_found_questions, 1);
}

struct RuleCase {
  const char* value;
  bool y_checked;
  bool n_checked;
};

class ReadRuleTest : public OptionReaderTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(ReadRuleTest, EveryBoxFollowsItsRule) {
  for (const OptionEntry& entry : Catalogue()) {
    if (entry.rule != ReadRule::kY && entry.rule != ReadRule::kN) continue;
    // Start each box from the opposite of the expected state.
    const bool expected = entry.rule == ReadRule::kY ? GetParam().y_checked : GetParam().n_checked;
    State(entry.control).checked = !expected;
    Read({std::string(entry.key) + ": " + GetParam().value});
    EXPECT_EQ(State(entry.control).checked, expected) << entry.name << " " << GetParam().value;
  }
}

INSTANTIATE_TEST_SUITE_P(Values, ReadRuleTest,
                         ::testing::Values(RuleCase{"yes", true, true}, RuleCase{"Yes", true, true},
                                           RuleCase{"true", true, true}, RuleCase{"0", false, false},
                                           RuleCase{"no", false, false}, RuleCase{"No", false, false},
                                           RuleCase{"", false, true}, RuleCase{" yes\t", true, true}),
                         [](const auto& info) { return "Value" + std::to_string(info.index); });

TEST_F(OptionReaderTest, KeysAreFoundIgnoringCaseButOnlyInTheFirstColumn) {
  Read({"CLEAN: yes"});
  EXPECT_TRUE(State(C::cbClean).checked);
  Read({" clean: yes"});
  EXPECT_FALSE(State(C::cbClean).checked);
  Read({"clean : yes"});
  EXPECT_FALSE(State(C::cbClean).checked);
  Read({"clean: no", "clean: yes"});
  EXPECT_TRUE(State(C::cbClean).checked);
  EXPECT_TRUE(State(C::cbDropFontTags).enabled);
}

TEST_F(OptionReaderTest, WrapZeroWithoutRememberedWidthRestoresTo66) {
  Read({"wrap: 0"});
  EXPECT_FALSE(State(C::cbWrap).checked);
  EXPECT_EQ(rig.view.Position(C::udWrap), 0);
  EXPECT_EQ(rig.engine.RememberedWrapWidth(), 0);
  for (const C control : {C::lWrap, C::eWrap, C::udWrap}) EXPECT_FALSE(State(control).enabled);
  rig.engine.SetChecked(C::cbWrap, true);
  EXPECT_EQ(rig.view.Position(C::udWrap), 66);
}

TEST_F(OptionReaderTest, WrapZeroWithRememberedWidthRestoresIt) {
  Read({"wrap: 0", "// wrap: 72"});
  EXPECT_EQ(rig.engine.RememberedWrapWidth(), 72);
  rig.engine.SetChecked(C::cbWrap, true);
  EXPECT_EQ(rig.view.Position(C::udWrap), 72);
}

TEST_F(OptionReaderTest, WrapWidthChecksTheBoxAndEnablesTheControls) {
  Read({"wrap: 0"});
  Read({"wrap: 72"});
  EXPECT_TRUE(State(C::cbWrap).checked);
  EXPECT_EQ(rig.view.Position(C::udWrap), 72);
  for (const C control : {C::lWrap, C::eWrap, C::udWrap}) EXPECT_TRUE(State(control).enabled);
  Read({"wrap: 00"});  // zero, but not exactly "0"
  EXPECT_TRUE(State(C::cbWrap).checked);
  EXPECT_EQ(rig.view.Position(C::udWrap), 0);
}

TEST_F(OptionReaderTest, BadWrapStopsReadingAfterPathAndMarkup) {
  rig.host.AddFile("C:\\Tidy\\Tidy.exe");
  rig.view.SetPosition(C::udWrap, 50);
  const TextLines script = {"// Path to Tidy.exe: C:\\Tidy\\Tidy.exe", "markup: yes", "wrap: 7x",
                            "clean: yes", "indent: yes"};
  EXPECT_EQ(ReadError(script), "'7x' is not a valid integer value");
  EXPECT_EQ(rig.view.TidyPath(), "C:\\Tidy\\Tidy.exe");
  EXPECT_TRUE(State(C::cbMarkup).checked);
  EXPECT_EQ(rig.view.Position(C::udWrap), 50);
  EXPECT_FALSE(State(C::cbClean).checked);
  EXPECT_EQ(State(C::cbIndent).item, -1);
  EXPECT_EQ(rig.cursor.depth(), 0);
  EXPECT_EQ(rig.screen.restored, rig.screen.shown);
}

TEST_F(OptionReaderTest, BadRememberedWidthStopsAfterClearingWrap) {
  EXPECT_EQ(ReadError({"wrap: 0", "// wrap: seventy", "clean: yes"}),
            "'seventy' is not a valid integer value");
  EXPECT_FALSE(State(C::cbWrap).checked);
  EXPECT_EQ(rig.view.Position(C::udWrap), 0);
  EXPECT_FALSE(State(C::cbClean).checked);
}

TEST_F(OptionReaderTest, AltTextFromEitherKey) {
  Read({"// alt-text:  Bild ", "x: 1"});
  EXPECT_FALSE(State(C::cbAltText).checked);
  EXPECT_EQ(State(C::eAltText).text, "Bild");
  EXPECT_FALSE(State(C::eAltText).enabled);

  Read({"// alt-text: alt", "alt-text: "});
  EXPECT_TRUE(State(C::cbAltText).checked);
  EXPECT_EQ(State(C::eAltText).text, "");
  EXPECT_TRUE(State(C::eAltText).enabled);
}

TEST_F(OptionReaderTest, IndentAndIndentSpaces) {
  struct Case {
    const char* value;
    int item;
  };
  for (const Case& c : {Case{"yes", 1}, Case{"Yes", 1}, Case{"auto", 2}, Case{"no", 0}, Case{"", 0}}) {
    Read({std::string("indent: ") + c.value});
    EXPECT_EQ(State(C::cbIndent).item, c.item) << c.value;
  }
  Read({"indent-spaces: 4"});
  EXPECT_EQ(rig.view.Position(C::udIndentSpaces), 4);
  Read({"indent-spaces: abc"});  // shown as typed; the last valid position stays
  EXPECT_EQ(State(C::eIndentSpaces).text, "abc");
  EXPECT_EQ(rig.view.Position(C::udIndentSpaces), 4);
  Read({});
  EXPECT_EQ(rig.view.Position(C::udIndentSpaces), 2);
}

TEST_F(OptionReaderTest, NewTagsReadTrimmedIntoTheirEdits) {
  Read({"new-blocklevel-tags:  cfoutput, cfquery  ", "new-pre-tags: listing", "new-inline-tags: x"});
  EXPECT_EQ(State(C::eNewBlocklevelTags).text, "cfoutput, cfquery");
  EXPECT_EQ(State(C::eNewPreTags).text, "listing");
  EXPECT_EQ(State(C::eNewInlineTags).text, "x");
  EXPECT_EQ(State(C::eNewEmptyTags).text, "");
}

TEST_F(OptionReaderTest, AssumeXmlProcinsFollowsItsValueOrTheInputBox) {
  struct Case {
    const char* input;
    const char* procins;
    bool checked;
  };
  for (const Case& c : {Case{"yes", "", true}, Case{"yes", "no", false}, Case{"no", "yes", true},
                        Case{"yes", "Yes", true}, Case{"no", "", false}}) {
    Read({std::string("input-xml: ") + c.input, std::string("assume-xml-procins: ") + c.procins});
    EXPECT_EQ(State(C::cbAssumeXmlProcins).checked, c.checked) << c.input << "/" << c.procins;
  }
}

TEST_F(OptionReaderTest, LogicalEmphasisLeavesTheScriptsCleanValue) {
  Read({"logical-emphasis: yes", "clean: no"});
  EXPECT_TRUE(State(C::cbLogicalEmphasis).checked);
  EXPECT_FALSE(State(C::cbClean).checked);
  EXPECT_FALSE(State(C::cbDropFontTags).enabled);
}

struct DocTypeCase {
  const char* value;
  int item;
  const char* text;
};

void PrintTo(const DocTypeCase& c, std::ostream* out) { *out << c.value; }

class ReadDocTypeTest : public OptionReaderTest, public ::testing::WithParamInterface<DocTypeCase> {};

TEST_P(ReadDocTypeTest, KeywordOrText) {
  State(C::cbDocType).item = 0;
  Read({std::string("doctype: ") + GetParam().value});
  EXPECT_EQ(State(C::cbDocType).item, GetParam().item);
  EXPECT_EQ(State(C::cbDocType).text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadDocTypeTest,
    ::testing::Values(DocTypeCase{"", 1, "auto"}, DocTypeCase{"auto", 1, "auto"},
                      DocTypeCase{"omit", 0, "omit"}, DocTypeCase{"loose", 3, "loose"},
                      DocTypeCase{"Strict", 2, "strict"},  // text equal to an item selects it
                      DocTypeCase{"\"-//W3C//DTD HTML 4.01//EN\"", -1, "-//W3C//DTD HTML 4.01//EN"},
                      DocTypeCase{"\"a \"\"b\"\"\"", -1, "a \"b\""},
                      DocTypeCase{"\"abc", -1, "ab"},  // no closing quote
                      DocTypeCase{"\"loose\"", 3, "loose"},
                      DocTypeCase{"html5", -1, "html5"}));

TEST_F(OptionReaderTest, EncodingIgnoresCaseAndLeavesUnknownUnselected) {
  struct Case {
    const char* value;
    int item;
  };
  for (const Case& c : {Case{"UTF8", 3}, Case{"latin1", 2}, Case{"", 1}, Case{"utf-8", -1}, Case{"mac", -1}}) {
    Read({std::string("char-encoding: ") + c.value});
    EXPECT_EQ(State(C::cbCharEncoding).item, c.item) << c.value;
  }
}

TEST_F(OptionReaderTest, ReadingNeverChangesTheScript) {
  const TextLines script = {"wrap: 0", "  odd line", "tab-size: 4"};
  rig.view.script() = script;
  rig.engine.PagesChanging(OptionPage::kConfig);
  EXPECT_EQ(rig.view.script(), script);
  EXPECT_FALSE(State(C::cbWrap).checked);
}

class TidyPathStepsTest : public OptionReaderTest {
 protected:
  void SetUp() override {
    rig.host.path_variable = "C:\\Bin;;D:\\Tools\\";
  }
};

TEST_F(TidyPathStepsTest, PathOfTheScriptWinsWhenTheFileExists) {
  rig.host.AddFile("E:\\T\\tidy.exe");
  rig.host.AddFile("C:\\Plugins\\Tidy.exe");
  Read({"// Path to Tidy.exe: E:\\T\\tidy.exe"});
  EXPECT_EQ(rig.view.TidyPath(), "E:\\T\\tidy.exe");
  EXPECT_FALSE(rig.view.TidyPathBold());
}

TEST_F(TidyPathStepsTest, KnownLabelPathIsKeptWhenTheScriptNamesNone) {
  rig.host.AddFile("E:\\Known\\Tidy.exe");
  rig.host.AddFile("C:\\Plugins\\Tidy.exe");
  rig.view.SetTidyPath("E:\\Known\\Tidy.exe", false);
  Read({"// Path to Tidy.exe: E:\\Gone\\Tidy.exe"});
  EXPECT_EQ(rig.view.TidyPath(), "E:\\Known\\Tidy.exe");
  EXPECT_EQ(rig.host.not_found_questions, 0);
}

TEST_F(TidyPathStepsTest, SearchesBareNameLibraryFolderCurrentDirectoryThenPath) {
  Read({});
  const std::vector<std::string> expected = {
      "Tidy.exe nicht gefunden!", "Tidy.exe", "C:\\Plugins\\Tidy.exe", "C:\\Work\\Tidy.exe",
      "C:\\Bin\\Tidy.exe", "D:\\Tools\\Tidy.exe"};
  ASSERT_GE(rig.host.probes.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(rig.host.probes.begin(), rig.host.probes.begin() + 6), expected);
  rig.host.AddFile("D:\\Tools\\Tidy.exe");
  Read({});
  EXPECT_EQ(rig.view.TidyPath(), "D:\\Tools\\Tidy.exe");
  EXPECT_FALSE(rig.view.TidyPathBold());
}

TEST_F(TidyPathStepsTest, PathVariableIsSearchedWhateverItsLength) {
  rig.host.path_variable = std::string(3000, 'x') + ";F:\\Far";
  rig.host.AddFile("F:\\Far\\Tidy.exe");
  Read({});
  EXPECT_EQ(rig.view.TidyPath(), "F:\\Far\\Tidy.exe");
}

TEST_F(TidyPathStepsTest, NotFoundAnsweredNoShowsTheNotFoundText) {
  rig.view.SetTidyPath("E:\\Gone\\Tidy.exe", false);
  Read({});
  EXPECT_EQ(rig.host.not_found_questions, 1);
  EXPECT_EQ(rig.host.locates, 0);
  EXPECT_EQ(rig.view.TidyPath(), "Tidy.exe nicht gefunden!");
  EXPECT_TRUE(rig.view.TidyPathBold());
}

TEST_F(TidyPathStepsTest, LocatedTidyOffersToSaveTheDefaultSet) {
  rig.host.not_found_answer = true;
  rig.host.save_default_answer = true;
  rig.host.on_locate = [this] {
    rig.host.AddFile("G:\\Tidy\\Tidy.exe");
    rig.view.SetTidyPath("G:\\Tidy\\Tidy.exe", false);
  };
  Read({"markup: yes"});
  EXPECT_EQ(rig.host.locates, 1);
  EXPECT_EQ(rig.host.save_default_questions, 1);
  EXPECT_EQ(rig.host.posted_default_clicks, 1);
  EXPECT_TRUE(State(C::cbMarkup).checked);  // reading goes on
}

TEST_F(TidyPathStepsTest, FailedLocateAsksNothingMore) {
  rig.host.not_found_answer = true;
  rig.host.save_default_answer = true;
  Read({});
  EXPECT_EQ(rig.host.locates, 1);
  EXPECT_EQ(rig.host.save_default_questions, 0);
  EXPECT_EQ(rig.host.posted_default_clicks, 0);
}

class LoadOptionSetTest : public OptionReaderTest {};

TEST_F(LoadOptionSetTest, ReplacesTheScriptWithTheFileAndReadsIt) {
  rig.host.AddFile("C:\\set.cfg", "clean: yes\nwrap: 80\r// mine\r\n");
  rig.view.script() = {"old"};
  rig.engine.LoadOptionSet("C:\\set.cfg");
  EXPECT_EQ(rig.view.script(), (TextLines{"clean: yes", "wrap: 80", "// mine"}));
  EXPECT_TRUE(State(C::cbClean).checked);
  EXPECT_EQ(rig.view.Position(C::udWrap), 80);
}

TEST_F(LoadOptionSetTest, EmptyOrMissingNameGivesFactorySettingsAndEmptyScript) {
  for (const char* name : {"", "C:\\missing.cfg"}) {
    rig.view.script() = {"clean: yes"};
    State(C::cbClean).checked = true;
    rig.engine.LoadOptionSet(name);
    EXPECT_TRUE(rig.view.script().empty());
    EXPECT_FALSE(State(C::cbClean).checked);
  }
}

TEST_F(LoadOptionSetTest, UnreadableOrOversizedFileChangesNothing) {
  rig.host.AddFile("C:\\locked.cfg", "clean: yes\r\n");
  rig.host.unreadable.insert("C:\\locked.cfg");
  rig.host.AddFile("C:\\big.cfg", std::string(100, 'x') + "\r\nclean: yes\r\n");
  rig.view.set_script_capacity(50);
  rig.view.script() = {"mine"};
  for (const auto& [name, message] :
       {std::pair{"C:\\locked.cfg", "Cannot open file C:\\locked.cfg"},
        std::pair{"C:\\big.cfg", "Text exceeds memo capacity"}}) {
    try {
      rig.engine.LoadOptionSet(name);
      ADD_FAILURE() << "no error for " << name;
    } catch (const Error& error) {
      EXPECT_EQ(std::string(error.what()), message);
    }
    EXPECT_EQ(rig.view.script(), TextLines{"mine"});
    EXPECT_FALSE(State(C::cbClean).checked);
  }
}

}  // namespace
}  // namespace markwash
