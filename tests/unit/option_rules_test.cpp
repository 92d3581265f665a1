#include <gtest/gtest.h>

#include "../support/fake_options.h"

namespace markwash {
namespace {

using C = OptionControl;

class OptionRulesTest : public ::testing::Test {
 protected:
  void SetUp() override { rig.engine.LoadOptionSet({}); }
  // A user's click: the box toggles, then its handler runs.
  void UserClick(C box) {
    rig.view.SetCheckedRaw(box, !rig.view.Checked(box));
    rig.engine.Click(box);
  }
  testing::FakeOptionView::State& State(C control) { return rig.view.state(control); }

  testing::OptionRig rig;
};

TEST_F(OptionRulesTest, WrapOffRemembersTheWidthAndWrapOnRestoresIt) {
  rig.view.SetPosition(C::udWrap, 72);
  UserClick(C::cbWrap);
  EXPECT_EQ(rig.view.Position(C::udWrap), 0);
  EXPECT_EQ(rig.engine.RememberedWrapWidth(), 72);
  for (const C control : {C::lWrap, C::eWrap, C::udWrap}) EXPECT_FALSE(State(control).enabled);
  UserClick(C::cbWrap);
  EXPECT_EQ(rig.view.Position(C::udWrap), 72);
  for (const C control : {C::lWrap, C::eWrap, C::udWrap}) EXPECT_TRUE(State(control).enabled);
}

TEST_F(OptionRulesTest, SettingABoxToItsCurrentStateRunsNoRule) {
  rig.view.SetPosition(C::udWrap, 50);
  rig.engine.SetChecked(C::cbWrap, true);
  EXPECT_EQ(rig.view.Position(C::udWrap), 50);
  rig.engine.SetChecked(C::cbWrap, false);
  EXPECT_EQ(rig.engine.RememberedWrapWidth(), 50);
}

TEST_F(OptionRulesTest, CleanEnablesDropFontTagsWithoutTouchingItsCheck) {
  UserClick(C::cbClean);
  EXPECT_TRUE(State(C::cbDropFontTags).enabled);
  UserClick(C::cbDropFontTags);
  UserClick(C::cbClean);
  EXPECT_FALSE(State(C::cbDropFontTags).enabled);
  EXPECT_TRUE(State(C::cbDropFontTags).checked);
}

TEST_F(OptionRulesTest, AltTextBoxEnablesTheTextAndKeepsIt) {
  rig.view.SetText(C::eAltText, "Bild");
  UserClick(C::cbAltText);
  EXPECT_TRUE(State(C::eAltText).enabled);
  UserClick(C::cbAltText);
  EXPECT_FALSE(State(C::eAltText).enabled);
  EXPECT_EQ(State(C::eAltText).text, "Bild");
}

TEST_F(OptionRulesTest, InputXmlCopiesIntoAssumeXmlProcinsWhichStaysFree) {
  UserClick(C::cbInputXML);
  EXPECT_TRUE(State(C::cbAssumeXmlProcins).checked);
  UserClick(C::cbAssumeXmlProcins);
  EXPECT_FALSE(State(C::cbAssumeXmlProcins).checked);
  EXPECT_TRUE(State(C::cbInputXML).checked);
  UserClick(C::cbInputXML);
  EXPECT_FALSE(State(C::cbAssumeXmlProcins).checked);
}

TEST_F(OptionRulesTest, CheckingLogicalEmphasisChecksClean) {
  UserClick(C::cbLogicalEmphasis);
  EXPECT_TRUE(State(C::cbClean).checked);
  EXPECT_TRUE(State(C::cbDropFontTags).enabled);
  UserClick(C::cbLogicalEmphasis);
  EXPECT_TRUE(State(C::cbClean).checked);
}

TEST_F(OptionRulesTest, TypedDocTypeEqualToAnItemSelectsIt) {
  struct Case {
    const char* typed;
    int item;
  };
  for (const Case& c : {Case{"strict", 2}, Case{"Loose", 3}, Case{"OMIT", 0}, Case{"stric", -1}}) {
    rig.view.SetText(C::cbDocType, c.typed);
    rig.engine.cbDocTypeChange();
    EXPECT_EQ(State(C::cbDocType).item, c.item) << c.typed;
  }
}

class PageSyncTest : public OptionRulesTest {};

TEST_F(PageSyncTest, ArrivingAtTheConfigPageMergesLeavingItReads) {
  rig.engine.PagesChange(OptionPage::kOther);
  EXPECT_TRUE(rig.view.script().empty());
  rig.engine.PagesChange(OptionPage::kConfig);
  EXPECT_EQ(rig.view.script().size(), 4u + 35u);

  rig.view.script().push_back("tidy-mark: no");  // typed by the user
  rig.engine.PagesChanging(OptionPage::kOptions);
  EXPECT_TRUE(State(C::cbTidyMark).checked);
  rig.engine.PagesChanging(OptionPage::kConfig);
  EXPECT_FALSE(State(C::cbTidyMark).checked);
  rig.engine.PagesChange(OptionPage::kConfig);
  EXPECT_EQ(rig.view.script().back(), "tidy-mark: no");
}

class DefaultSetTest : public ::testing::Test {
 protected:
  const std::string kDefault = "C:\\Plugins\\Markwash.cfg";
  testing::OptionRig rig;
};

TEST_F(DefaultSetTest, FirstResizeLoadsTheDefaultFileOnce) {
  rig.host.AddFile(kDefault, "clean: yes\r\n");
  rig.engine.FormResize();
  EXPECT_TRUE(rig.engine.DefaultsLoaded());
  EXPECT_TRUE(rig.view.Checked(C::cbClean));
  rig.engine.SetChecked(C::cbClean, false);
  rig.engine.FormResize();
  EXPECT_FALSE(rig.view.Checked(C::cbClean));
}

TEST_F(DefaultSetTest, FirstResizeWithoutDefaultFileGivesFactorySettings) {
  rig.engine.FormResize();
  EXPECT_FALSE(rig.view.Checked(C::cbMarkup));
  EXPECT_EQ(rig.view.ItemIndex(C::cbDocType), 1);
  EXPECT_EQ(rig.host.not_found_questions, 1);
}

TEST_F(DefaultSetTest, ResizeDuringTheLoadDoesNotLoadAgain) {
  rig.host.not_found_answer = true;
  rig.host.on_locate = [this] { rig.engine.FormResize(); };
  rig.engine.FormResize();
  EXPECT_EQ(rig.host.locates, 1);
  EXPECT_EQ(rig.host.not_found_questions, 1);
}

TEST_F(DefaultSetTest, UnreadableDefaultFileReportsAndKeepsBuiltStates) {
  rig.host.AddFile(kDefault, "markup: no\r\n");
  rig.host.unreadable.insert(kDefault);
  EXPECT_THROW(rig.engine.FormResize(), Error);
  EXPECT_TRUE(rig.engine.DefaultsLoaded());
  EXPECT_TRUE(rig.view.Checked(C::cbMarkup));  // built state
}

TEST_F(DefaultSetTest, ResetWithoutDefaultFileAsksNothing) {
  rig.view.script() = {"clean: yes"};
  rig.engine.bResetOptionsClick();
  EXPECT_EQ(rig.host.reset_questions, 0);
  EXPECT_TRUE(rig.view.script().empty());
}

TEST_F(DefaultSetTest, ResetAnswersChooseFactoryDefaultOrNothing) {
  rig.host.AddFile(kDefault, "clean: yes\r\n");
  struct Case {
    ResetAnswer answer;
    TextLines script;
  };
  for (const Case& c : {Case{ResetAnswer::kYes, {}}, Case{ResetAnswer::kNo, {"clean: yes"}},
                        Case{ResetAnswer::kCancel, {"typed: 1"}}}) {
    rig.view.script() = {"typed: 1"};
    rig.view.SetCheckedRaw(C::cbWord2000, true);
    rig.host.reset_answer = c.answer;
    rig.engine.bResetOptionsClick();
    EXPECT_EQ(rig.view.script(), c.script);
    EXPECT_EQ(rig.view.Checked(C::cbWord2000), c.answer == ResetAnswer::kCancel);
  }
  EXPECT_EQ(rig.host.reset_questions, 3);
}

TEST_F(DefaultSetTest, AsDefaultSavesBesideTheLibrary) {
  rig.engine.LoadOptionSet({});
  rig.engine.bAsDefaultOptionsClick();
  EXPECT_EQ(SplitLines(rig.host.FileText(kDefault)).size(), 4u + 35u);
}

}  // namespace
}  // namespace markwash
