#include <gtest/gtest.h>

#include "../support/fake_options.h"
#include "core/options/config_lines.h"

namespace markwash {
namespace {

using C = OptionControl;
using testing::kTestConfigHeader;

const char* const kFactoryKeyLines[] = {
    "markup: no",           "wrap: 66",             "wrap-attributes: no",    "wrap-script-literals: no",
    "wrap-asp: yes",        "wrap-jste: yes",       "wrap-php: yes",          "break-before-br: no",
    "indent: no",           "indent-spaces: 2",     "indent-attributes: no",  "uppercase-tags: no",
    "uppercase-attributes: no", "hide-endtags: no", "enclose-text: no",       "drop-empty-paras: yes",
    "quote-marks: no",      "quote-nbsp: yes",      "quote-ampersand: yes",   "fix-backslash: yes",
    "fix-bad-comments: yes", "word-2000: no",       "clean: no",              "drop-font-tags: no",
    "logical-emphasis: no", "input-xml: no",        "assume-xml-procins: no", "output-xml: no",
    "output-xhtml: no",     "numeric-entities: no", "add-xml-pi: yes",        "show-warnings: yes",
    "doctype: auto",        "tidy-mark: yes",       "char-encoding: ascii"};

class OptionWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { rig.engine.LoadOptionSet({}); }  // factory settings

  TextLines Merge(TextLines lines) {
    rig.engine.WriteOptions(lines);
    return lines;
  }
  std::string Value(const TextLines& lines, std::string_view key) { return GetKeyValue(lines, key); }
  bool Has(const TextLines& lines, std::string_view key) { return FindKeyLine(lines, key) >= 0; }

  testing::OptionRig rig;
};

TEST_F(OptionWriterTest, FactoryFileIsHeaderEmptyLineAndTheKeysInOrder) {
  rig.engine.SaveOptionSet("C:\\out.cfg");
  std::string expected = kTestConfigHeader + "\r\n";
  for (const char* line : kFactoryKeyLines) expected += std::string(line) + "\r\n";
  EXPECT_EQ(rig.host.FileText("C:\\out.cfg"), expected);
}

TEST_F(OptionWriterTest, MergingTwiceChangesNothing) {
  rig.engine.SetChecked(C::cbWrap, false);
  rig.engine.SetChecked(C::cbAltText, true);
  rig.view.SetText(C::eAltText, "Bild");
  rig.view.SetText(C::cbDocType, "-//W3C//DTD HTML 4.01//EN");
  const TextLines once = Merge({"// mine", "tab-size: 4"});
  EXPECT_EQ(Merge(once), once);
}

TEST_F(OptionWriterTest, ForeignLinesKeepTheirPlaceByteForByte) {
  const TextLines user = {"tab-size: 4", "", "// a comment: wrap: 1", "  indented: x", "gr\xfc\xdf: \xe4"};
  const TextLines merged = Merge(user);
  ASSERT_GE(merged.size(), 4 + user.size());
  const TextLines header_part(merged.begin(), merged.begin() + 4);
  EXPECT_EQ(JoinLines(header_part), kTestConfigHeader + "\r\n");
  EXPECT_EQ(TextLines(merged.begin() + 4, merged.begin() + 4 + static_cast<long>(user.size())), user);
}

TEST_F(OptionWriterTest, ScriptThatBeginsWithTheHeaderGetsNoSecondOne) {
  const TextLines merged = Merge(SplitLines(kTestConfigHeader + "wrap: 80\r\n"));
  EXPECT_EQ(merged.size(), 3u + 35u);
  EXPECT_EQ(merged[3], "wrap: 66");
}

TEST_F(OptionWriterTest, ChangedHeaderStaysBelowTheFullOne) {
  const TextLines merged = Merge({"// Konfigurationsdatei fuer HTML Tidy", "wrap: 66"});
  EXPECT_EQ(merged[4], "// Konfigurationsdatei fuer HTML Tidy");
  EXPECT_EQ(merged[3], "");
}

TEST_F(OptionWriterTest, KeysAreReplacedIgnoringCaseAndOnlyTheLastDuplicate) {
  const TextLines merged = Merge({"WRAP: 80", "clean: yes", "clean: yes", " wrap: 12"});
  EXPECT_EQ(merged[4], "wrap: 66");
  EXPECT_EQ(merged[5], "clean: yes");
  EXPECT_EQ(merged[6], "clean: no");
  EXPECT_EQ(merged[7], " wrap: 12");
}

TEST_F(OptionWriterTest, UncheckedAltTextStaysUncheckedDespiteDuplicateLines) {
  rig.engine.SetChecked(C::cbAltText, true);
  rig.engine.SetChecked(C::cbAltText, false);
  TextLines lines = Merge({"alt-text: one", "alt-text: two", "new-pre-tags: a", "new-pre-tags: b"});
  EXPECT_FALSE(Has(lines, "alt-text"));
  EXPECT_FALSE(Has(lines, "new-pre-tags"));
  EXPECT_EQ(Merge(lines), lines);
  rig.engine.ReadOptions(lines);
  EXPECT_FALSE(rig.view.Checked(C::cbAltText));
}

TEST_F(OptionWriterTest, IndentedKeyIsLeftAndTheKeyAppended) {
  const TextLines merged = Merge({" wrap: 12"});
  EXPECT_EQ(merged[4], " wrap: 12");
  EXPECT_EQ(merged[5], "markup: no");
  EXPECT_EQ(merged[6], "wrap: 66");
}

TEST_F(OptionWriterTest, WrapOffWritesZeroAndTheRememberedWidth) {
  rig.view.SetPosition(C::udWrap, 72);
  rig.engine.SetChecked(C::cbWrap, false);
  TextLines lines = Merge({});
  EXPECT_EQ(Value(lines, "wrap"), "0");
  EXPECT_EQ(Value(lines, "// wrap"), "72");
  rig.engine.SetChecked(C::cbWrap, true);
  lines = Merge(lines);
  EXPECT_EQ(Value(lines, "wrap"), "72");
  EXPECT_FALSE(Has(lines, "// wrap"));
}

TEST_F(OptionWriterTest, AltTextGoesToTheKeyItsBoxChooses) {
  rig.view.SetText(C::eAltText, "Bild");
  TextLines lines = Merge({});
  EXPECT_EQ(Value(lines, "// alt-text"), "Bild");
  EXPECT_FALSE(Has(lines, "alt-text"));

  rig.engine.SetChecked(C::cbAltText, true);
  lines = Merge(lines);
  EXPECT_EQ(Value(lines, "alt-text"), "Bild");
  EXPECT_FALSE(Has(lines, "// alt-text"));

  rig.view.SetText(C::eAltText, "");
  lines = Merge(lines);
  EXPECT_EQ(lines[static_cast<std::size_t>(FindKeyLine(lines, "alt-text"))], "alt-text: ");

  rig.engine.SetChecked(C::cbAltText, false);
  lines = Merge(lines);
  EXPECT_FALSE(Has(lines, "alt-text"));
  EXPECT_FALSE(Has(lines, "// alt-text"));
}

TEST_F(OptionWriterTest, NewTagsAreWrittenAsTypedAndRemovedWhenBlank) {
  rig.view.SetText(C::eNewBlocklevelTags, "cfoutput, cfquery");
  rig.view.SetText(C::eNewInlineTags, " x ");
  TextLines lines = Merge({});
  const int inline_line = FindKeyLine(lines, "new-inline-tags");
  EXPECT_EQ(lines[static_cast<std::size_t>(inline_line)], "new-inline-tags:  x ");
  EXPECT_EQ(FindKeyLine(lines, "new-blocklevel-tags"), inline_line + 1);
  rig.view.SetText(C::eNewBlocklevelTags, "  ");
  lines = Merge(lines);
  EXPECT_FALSE(Has(lines, "new-blocklevel-tags"));
}

TEST_F(OptionWriterTest, DocTypeKeywordOrQuotedText) {
  struct Case {
    int item;
    const char* text;
    const char* value;
  };
  for (const Case& c : {Case{0, "", "omit"}, Case{3, "", "loose"}, Case{-1, "", "auto"},
                        Case{-1, "say \"hi\"", "\"say \"\"hi\"\"\""}}) {
    if (c.item >= 0) {
      rig.view.SetItemIndex(C::cbDocType, c.item);
    } else {
      rig.view.SetText(C::cbDocType, c.text);
    }
    EXPECT_EQ(Value(Merge({}), "doctype"), c.value);
  }
}

TEST_F(OptionWriterTest, IndentWithoutSelectionLeavesItsLineAlone) {
  rig.view.SetItemIndex(C::cbIndent, -1);
  EXPECT_EQ(Value(Merge({"indent: auto"}), "indent"), "auto");
  EXPECT_FALSE(Has(Merge({}), "indent"));
  rig.view.SetItemIndex(C::cbIndent, 1);
  EXPECT_EQ(Value(Merge({"indent: auto"}), "indent"), "yes");
}

TEST_F(OptionWriterTest, EncodingWithoutSelectionLeavesItsLineAlone) {
  rig.view.SetItemIndex(C::cbCharEncoding, -1);
  EXPECT_EQ(Value(Merge({"char-encoding: mac"}), "char-encoding"), "mac");
  rig.view.SetItemIndex(C::cbCharEncoding, 3);
  EXPECT_EQ(Value(Merge({}), "char-encoding"), "utf8");
}

TEST_F(OptionWriterTest, PathLineOnlyForAnExistingFile) {
  const TextLines user = {"// Path to Tidy.exe: D:\\Old\\Tidy.exe"};
  EXPECT_EQ(Value(Merge(user), "// Path to Tidy.exe"), "D:\\Old\\Tidy.exe");
  rig.host.AddFile("C:\\Tidy\\Tidy.exe");
  rig.view.SetTidyPath("C:\\Tidy\\Tidy.exe", false);
  const TextLines merged = Merge(user);
  EXPECT_EQ(merged[4], "// Path to Tidy.exe: C:\\Tidy\\Tidy.exe");
}

TEST_F(OptionWriterTest, DisabledDropFontTagsIsStillWritten) {
  rig.engine.SetChecked(C::cbClean, true);
  rig.engine.SetChecked(C::cbDropFontTags, true);
  rig.engine.SetChecked(C::cbClean, false);
  EXPECT_FALSE(rig.view.Enabled(C::cbDropFontTags));
  EXPECT_EQ(Value(Merge({}), "drop-font-tags"), "yes");
}

TEST_F(OptionWriterTest, NumbersComeFromTheUpDownPositions) {
  rig.view.SetText(C::eIndentSpaces, "4");
  rig.view.SetText(C::eWrap, "abc");  // not a number: the last valid position counts
  TextLines lines = Merge({});
  EXPECT_EQ(Value(lines, "indent-spaces"), "4");
  EXPECT_EQ(Value(lines, "wrap"), "66");
  rig.view.SetText(C::eWrap, "0");  // typed while wrapping is on
  EXPECT_EQ(Value(Merge({}), "wrap"), "0");
  // The ranges end at 32767 and 32: one more is not a valid position.
  rig.view.SetText(C::eWrap, "32.767");
  rig.view.SetText(C::eIndentSpaces, "32");
  Merge({});
  rig.view.SetText(C::eWrap, "32.768");
  rig.view.SetText(C::eIndentSpaces, "33");
  lines = Merge({});
  EXPECT_EQ(Value(lines, "wrap"), "32767");
  EXPECT_EQ(Value(lines, "indent-spaces"), "32");
}

class SaveOptionSetTest : public OptionWriterTest {};

TEST_F(SaveOptionSetTest, OnTheConfigPageTheScriptIsSavedAsEdited) {
  rig.view.script() = {"wrap: 12", "my-key: 1"};
  rig.host.active_page = OptionPage::kConfig;
  rig.engine.bAsDefaultOptionsClick();
  EXPECT_EQ(rig.host.FileText("C:\\Plugins\\Markwash.cfg"), "wrap: 12\r\nmy-key: 1\r\n");
}

TEST_F(SaveOptionSetTest, OnAnyOtherPageTheControlsAreMergedFirst) {
  for (const OptionPage page : {OptionPage::kOptions, OptionPage::kOther}) {
    rig.view.script() = {"wrap: 12"};
    rig.host.active_page = page;
    rig.engine.SaveOptionSet("C:\\run.cfg");
    const TextLines saved = SplitLines(rig.host.FileText("C:\\run.cfg"));
    EXPECT_EQ(GetKeyValue(saved, "wrap"), "66");
    EXPECT_EQ(rig.view.script(), saved);
  }
}

TEST_F(SaveOptionSetTest, UncreatableFileFailsAfterTheMerge) {
  rig.host.unwritable.insert("C:\\ro.cfg");
  rig.view.script() = {"x: 1"};
  try {
    rig.engine.SaveOptionSet("C:\\ro.cfg");
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot create file C:\\ro.cfg");
  }
  EXPECT_EQ(rig.view.script().size(), 4u + 1u + 35u);
}

}  // namespace
}  // namespace markwash
