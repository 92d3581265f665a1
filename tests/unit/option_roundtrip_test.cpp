// Property: for any option state a user can reach, writing, reading into
// another dialog and writing again gives the same controls and the same bytes.
#include <gtest/gtest.h>

#include <random>

#include "../support/fake_options.h"

namespace markwash {
namespace {

using C = OptionControl;
constexpr const char* kTidy = "C:\\Tidy\\Tidy.exe";

// Single-line text as typed into an edit: no line breaks, no NUL, and no
// white space at its ends (the reader trims those).
std::string RandomText(std::mt19937& rng, int min_length) {
  static const std::string kEdge = "abcXYZ09,.-/\"'\xe4\xfc\xdf@", kInner = kEdge + " \t\x81";
  const int n = std::uniform_int_distribution<int>(min_length, 12)(rng);
  std::string text;
  for (int i = 0; i < n; ++i) {
    const std::string& set = (i == 0 || i == n - 1) ? kEdge : kInner;
    text += set[std::uniform_int_distribution<std::size_t>(0, set.size() - 1)(rng)];
  }
  return text;
}

void RandomState(std::mt19937& rng, testing::OptionRig& rig) {
  const auto number = [&rng](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
  // Boxes in random order, so that every combination the rules allow (a box
  // cleared after a rule set it) comes up.
  std::vector<C> boxes;
  for (const OptionEntry& entry : Catalogue())
    if (entry.kind == ControlKind::CheckBox && entry.control != C::cbWrap) boxes.push_back(entry.control);
  std::shuffle(boxes.begin(), boxes.end(), rng);
  for (const C box : boxes) rig.engine.SetChecked(box, number(0, 1));
  rig.engine.SetChecked(C::cbWrap, true);
  rig.view.SetPosition(C::udWrap, number(1, 32767));  // a typed 0 reads back as wrapping off
  rig.engine.SetChecked(C::cbWrap, number(0, 1));
  rig.view.SetItemIndex(C::cbIndent, number(0, 2));
  rig.view.SetPosition(C::udIndentSpaces, number(0, 32));
  rig.view.SetText(C::eAltText, RandomText(rng, 0));
  for (const C edit : {C::eNewBlocklevelTags, C::eNewInlineTags, C::eNewEmptyTags, C::eNewPreTags})
    rig.view.SetText(edit, number(0, 1) ? RandomText(rng, 1) : std::string());
  rig.view.SetItemIndex(C::cbDocType, number(0, 3));
  if (number(0, 1)) rig.view.SetText(C::cbDocType, RandomText(rng, 1)), rig.engine.cbDocTypeChange();
  rig.view.SetItemIndex(C::cbCharEncoding, number(0, 4));
  rig.view.SetTidyPath(kTidy, false);
}

TEST(RoundTrip, WriteReadWriteKeepsControlsAndBytes) {
  for (unsigned seed = 1; seed <= 400; ++seed) {
    std::mt19937 rng(seed);
    testing::OptionRig first, second;
    for (testing::OptionRig* rig : {&first, &second}) rig->host.AddFile(kTidy);
    RandomState(rng, first);
    RandomState(rng, second);  // every control must be overwritten by reading
    first.view.script = {"// my settings", "tab-size: 4", "", "WRAP: 1"};
    first.engine.SaveOptionSet("C:\\a.cfg");
    second.host.AddFile("C:\\a.cfg", first.host.files["C:\\a.cfg"]);
    second.engine.LoadOptionSet("C:\\a.cfg");
    for (const C updown : {C::udWrap, C::udIndentSpaces}) first.view.Position(updown), second.view.Position(updown);
    for (const OptionEntry& entry : Catalogue()) {
      const auto &x = first.view.states[entry.control], &y = second.view.states[entry.control];
      EXPECT_EQ(std::tie(x.checked, x.enabled, x.item, x.text, x.position),
                std::tie(y.checked, y.enabled, y.item, y.text, y.position)) << entry.name << ", seed " << seed;
    }
    if (!first.view.Checked(C::cbWrap)) EXPECT_EQ(first.engine.RememberedWrapWidth(), second.engine.RememberedWrapWidth());
    EXPECT_EQ(first.view.tidy_path, second.view.tidy_path);
    second.engine.SaveOptionSet("C:\\b.cfg");
    ASSERT_EQ(second.host.files["C:\\b.cfg"], first.host.files["C:\\a.cfg"]) << seed;
  }
}

}  // namespace
}  // namespace markwash
