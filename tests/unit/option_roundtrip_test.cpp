// Property: for any option state a user can reach, writing, reading into
// another dialog and writing again gives the same controls and the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "../support/fake_options.h"

namespace markwash {
namespace {

using C = OptionControl;
constexpr const char* kTidy = "C:\\Tidy\\Tidy.exe";

class RoundTripTest : public ::testing::Test {
 protected:
  // Single-line text as typed into an edit: no line breaks, no NUL, and no
  // white space at its ends (the reader trims those).
  static std::string RandomText(std::mt19937& rng, bool may_be_empty) {
    static const std::string kInner = "abcXYZ09 ,.-/\"'\t\xe4\xfc\xdf\x81@";
    static const std::string kEdge = "abcXYZ09,.-/\"'\xe4\xfc\xdf@";
    std::uniform_int_distribution<int> length(may_be_empty ? 0 : 1, 12);
    const int n = length(rng);
    std::string text;
    for (int i = 0; i < n; ++i) {
      const std::string& set = (i == 0 || i == n - 1) ? kEdge : kInner;
      text += set[std::uniform_int_distribution<std::size_t>(0, set.size() - 1)(rng)];
    }
    return text;
  }

  static void RandomState(std::mt19937& rng, testing::OptionRig& rig) {
    auto coin = [&rng] { return std::bernoulli_distribution(0.5)(rng); };
    auto number = [&rng](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    // Boxes in random order, so that every combination the rules allow
    // (a box cleared after a rule set it) comes up.
    std::vector<C> boxes;
    for (const OptionEntry& entry : Catalogue()) {
      if (entry.kind == ControlKind::CheckBox && entry.control != C::cbWrap) boxes.push_back(entry.control);
    }
    std::shuffle(boxes.begin(), boxes.end(), rng);
    for (const C box : boxes) rig.engine.SetChecked(box, coin());
    rig.engine.SetChecked(C::cbWrap, true);
    rig.view.SetPosition(C::udWrap, number(1, 32767));  // a typed 0 reads back as wrapping off
    if (coin()) rig.engine.SetChecked(C::cbWrap, false);
    rig.view.SetItemIndex(C::cbIndent, number(0, 2));
    rig.view.SetPosition(C::udIndentSpaces, number(0, 32));
    rig.view.SetText(C::eAltText, RandomText(rng, true));
    for (const C edit : {C::eNewBlocklevelTags, C::eNewInlineTags, C::eNewEmptyTags, C::eNewPreTags}) {
      rig.view.SetText(edit, coin() ? RandomText(rng, false) : std::string());
    }
    if (coin()) {
      rig.view.SetItemIndex(C::cbDocType, number(0, 3));
    } else {
      rig.view.SetText(C::cbDocType, RandomText(rng, false));
      rig.engine.cbDocTypeChange();
    }
    rig.view.SetItemIndex(C::cbCharEncoding, number(0, 4));
    rig.view.SetTidyPath(kTidy, false);
  }

  static void ExpectSameControls(testing::OptionRig& a, testing::OptionRig& b) {
    for (const OptionEntry& entry : Catalogue()) {
      SCOPED_TRACE(std::string(entry.name));
      const auto& x = a.view.state(entry.control);
      const auto& y = b.view.state(entry.control);
      EXPECT_EQ(x.checked, y.checked);
      EXPECT_EQ(x.enabled, y.enabled);
      EXPECT_EQ(x.item, y.item);
      if (entry.kind != ControlKind::NumericEdit) EXPECT_EQ(x.text, y.text);
      if (entry.kind == ControlKind::UpDown) EXPECT_EQ(a.view.Position(entry.control), b.view.Position(entry.control));
    }
    if (!a.view.Checked(C::cbWrap)) EXPECT_EQ(a.engine.RememberedWrapWidth(), b.engine.RememberedWrapWidth());
    EXPECT_EQ(a.view.TidyPath(), b.view.TidyPath());
  }
};

TEST_F(RoundTripTest, WriteReadWriteKeepsControlsAndBytes) {
  for (unsigned seed = 1; seed <= 400; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    testing::OptionRig first;
    testing::OptionRig second;
    for (testing::OptionRig* rig : {&first, &second}) rig->host.AddFile(kTidy);
    RandomState(rng, first);
    RandomState(rng, second);  // every control must be overwritten by reading
    first.view.script() = {"// my settings", "tab-size: 4", "", "WRAP: 1"};

    first.engine.SaveOptionSet("C:\\a.cfg");
    second.host.AddFile("C:\\a.cfg", first.host.FileText("C:\\a.cfg"));
    second.engine.LoadOptionSet("C:\\a.cfg");
    ExpectSameControls(first, second);
    second.engine.SaveOptionSet("C:\\b.cfg");
    ASSERT_EQ(second.host.FileText("C:\\b.cfg"), first.host.FileText("C:\\a.cfg"));
  }
}

}  // namespace
}  // namespace markwash
