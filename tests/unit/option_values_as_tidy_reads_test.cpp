// Values the user types on "Config-Datei" mean to the dialog what they mean
// to Tidy, and the next merge keeps that meaning: nothing of the user's
// option set is flipped, quoted into something else or dropped.
#include <gtest/gtest.h>

#include "../support/fake_options.h"
#include "core/options/config_lines.h"

namespace markwash {
namespace {

using C = OptionControl;

class ValuesAsTidyReadsTest : public ::testing::Test {
 protected:
  // The script goes into the controls and is merged back, as leaving and
  // coming back to "Config-Datei" does.
  TextLines ReadAndMerge(const TextLines& script) {
    rig.engine.ReadOptions(script);
    TextLines lines = script;
    rig.engine.WriteOptions(lines);
    return lines;
  }
  testing::FakeOptionView::State& State(C control) { return rig.view.state(control); }

  testing::OptionRig rig;
};

struct BooleanCase {
  const char* value;
  bool tidy_yes;  // Tidy reads yes
  bool tidy_no;   // Tidy reads no
};

TEST_F(ValuesAsTidyReadsTest, BooleansKeepTheMeaningTidyGivesThem) {
  // cbClean reads by rule Y (checked only for yes), cbQuoteNbsp by rule N
  // (cleared only for no); neither a yes nor a no leaves Tidy at its default.
  const BooleanCase cases[] = {
      {"yes", true, false},  {"Yes", true, false},  {"y", true, false},     {"Y", true, false},
      {"true", true, false}, {"TRUE", true, false}, {"t", true, false},     {"T", true, false},
      {"1", true, false},    {"yes please", true, false},
      {"no", false, true},   {"No", false, true},   {"n", false, true},     {"N", false, true},
      {"false", false, true}, {"False", false, true}, {"f", false, true},   {"F", false, true},
      {"0", false, true},
      {"", false, false},    {"maybe", false, false}, {"auto", false, false}, {"yess", false, false}};
  for (const BooleanCase& c : cases) {
    SCOPED_TRACE(c.value);
    const TextLines merged = ReadAndMerge({std::string("clean: ") + c.value,
                                           std::string("quote-nbsp: ") + c.value});
    EXPECT_EQ(State(C::cbClean).checked, c.tidy_yes);
    EXPECT_EQ(State(C::cbQuoteNbsp).checked, !c.tidy_no);
    EXPECT_EQ(GetKeyValue(merged, "clean"), c.tidy_yes ? "yes" : "no");
    EXPECT_EQ(GetKeyValue(merged, "quote-nbsp"), c.tidy_no ? "no" : "yes");
  }
}

TEST_F(ValuesAsTidyReadsTest, IndentAndProcessingInstructionsTakeTidysSpellingsToo) {
  const struct {
    const char* indent;
    int item;
    const char* written;
  } indents[] = {{"True", 1, "yes"}, {"AUTO", 2, "auto"}, {"N", 0, "no"}, {"maybe", 0, "no"}};
  for (const auto& c : indents) {
    const TextLines merged = ReadAndMerge({std::string("indent: ") + c.indent});
    EXPECT_EQ(State(C::cbIndent).item, c.item) << c.indent;
    EXPECT_EQ(GetKeyValue(merged, "indent"), c.written) << c.indent;
  }
  EXPECT_EQ(GetKeyValue(ReadAndMerge({"input-xml: no", "assume-xml-procins: Y"}), "assume-xml-procins"), "yes");
  EXPECT_EQ(GetKeyValue(ReadAndMerge({"input-xml: T", "assume-xml-procins: F"}), "assume-xml-procins"), "no");
  EXPECT_EQ(GetKeyValue(ReadAndMerge({"input-xml: T", "assume-xml-procins: ?"}), "assume-xml-procins"), "yes");
}

TEST_F(ValuesAsTidyReadsTest, DocTypeKeywordsStayBareAndOtherTextIsQuoted) {
  const struct {
    const char* value;
    const char* shown;
    const char* written;
  } cases[] = {
      {"html5", "html5", "html5"},
      {"HTML5", "HTML5", "HTML5"},
      {"transitional", "transitional", "transitional"},
      {"user", "user", "user"},
      {"Strict", "strict", "strict"},  // an item of the list
      {"\"html5\"", "html5", "html5"},
      {"\" html5 \"", " html5 ", "html5"},
      {"\"-//W3C//DTD HTML 4.01//EN\"", "-//W3C//DTD HTML 4.01//EN", "\"-//W3C//DTD HTML 4.01//EN\""},
      {"html", "html", "\"html\""},
  };
  for (const auto& c : cases) {
    const TextLines merged = ReadAndMerge({std::string("doctype: ") + c.value});
    EXPECT_EQ(State(C::cbDocType).text, c.shown) << c.value;
    EXPECT_EQ(GetKeyValue(merged, "doctype"), c.written) << c.value;
  }
}

TEST_F(ValuesAsTidyReadsTest, AnEncodingTheListDoesNotShowStaysAsTyped) {
  for (const char* value : {"utf-8", "win1252"}) {
    const TextLines merged = ReadAndMerge({std::string("char-encoding: ") + value});
    EXPECT_EQ(State(C::cbCharEncoding).item, -1) << value;
    EXPECT_EQ(GetKeyValue(merged, "char-encoding"), value);
  }
  // A choice from the list replaces it.
  rig.engine.ReadOptions({"char-encoding: utf-8"});
  rig.view.SetItemIndex(C::cbCharEncoding, 2);
  TextLines lines = {"char-encoding: utf-8"};
  rig.engine.WriteOptions(lines);
  EXPECT_EQ(GetKeyValue(lines, "char-encoding"), "latin1");
}

// After "&Zurücksetzen" or "&Laden..." on "Config-Datei" has led the user to
// Tidy and the user agreed to save the default option set, the posted click
// stores the located path with the script as it stands on that page.
class PostedDefaultSaveTest : public ValuesAsTidyReadsTest {
 protected:
  void SetUp() override {
    rig.host.not_found_answer = true;
    rig.host.save_default_answer = true;
    rig.host.on_locate = [this] {
      rig.host.AddFile(kTidy);
      rig.view.SetTidyPath(kTidy, false);
    };
  }
  std::string DefaultFile() { return rig.host.FileText(rig.engine.DefaultOptionFileName()); }
  static constexpr const char* kTidy = "G:\\Tidy\\Tidy.exe";
};

TEST_F(PostedDefaultSaveTest, ResetOnTheConfigPageSavesThePath) {
  rig.host.active_page = OptionPage::kConfig;
  rig.engine.bResetOptionsClick();
  ASSERT_EQ(rig.host.posted_default_clicks, 1);
  rig.engine.bAsDefaultOptionsClick();
  const TextLines script = {std::string("// Path to Tidy.exe: ") + kTidy};
  EXPECT_EQ(DefaultFile(), JoinLines(script));
  EXPECT_EQ(rig.view.script(), script) << "the page shows what was saved";

  // A click of the user's own on that page saves the script as edited.
  rig.view.script() = {"clean: yes"};
  rig.engine.bAsDefaultOptionsClick();
  EXPECT_EQ(DefaultFile(), "clean: yes\r\n");
}

TEST_F(PostedDefaultSaveTest, LoadOnTheConfigPageKeepsTheFilesLinesAndAddsThePath) {
  rig.host.active_page = OptionPage::kConfig;
  rig.host.AddFile("C:\\set.cfg", "vertical-space: yes\r\nwrap: 80\r\n");
  rig.engine.LoadOptionSet("C:\\set.cfg");
  rig.engine.bAsDefaultOptionsClick();
  EXPECT_EQ(DefaultFile(), std::string("vertical-space: yes\r\nwrap: 80\r\n// Path to Tidy.exe: ") + kTidy + "\r\n");
}

TEST_F(PostedDefaultSaveTest, OnTheOptionsPageTheControlsAreMergedAsEver) {
  rig.engine.bResetOptionsClick();
  rig.engine.bAsDefaultOptionsClick();
  const TextLines saved = SplitLines(DefaultFile());
  EXPECT_EQ(GetKeyValue(saved, "// Path to Tidy.exe"), kTidy);
  EXPECT_EQ(GetKeyValue(saved, "wrap"), "66");
}

}  // namespace
}  // namespace markwash
