#include "core/options/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace markwash {
namespace {

using C = OptionControl;

TEST(CatalogueTest, EntriesStandInTheOrderOfTheirControlsWithUniqueNames) {
  std::set<std::string_view> names;
  for (std::size_t i = 0; i < Catalogue().size(); ++i) {
    const OptionEntry& entry = Catalogue()[i];
    EXPECT_EQ(static_cast<std::size_t>(entry.control), i) << entry.name;
    EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
  }
  EXPECT_EQ(Catalogue().back().control, C::mCfg);
}

TEST(CatalogueTest, EveryCheckBoxHasOwnKeyAndReadingRule) {
  std::set<std::string_view> keys;
  int boxes = 0;
  for (const OptionEntry& entry : Catalogue()) {
    if (entry.kind != ControlKind::CheckBox) continue;
    ++boxes;
    EXPECT_FALSE(entry.key.empty()) << entry.name;
    EXPECT_NE(entry.rule, ReadRule::kNone) << entry.name;
    EXPECT_TRUE(keys.insert(entry.key).second) << entry.name;
    EXPECT_EQ(entry.name.substr(0, 2), "cb");
  }
  EXPECT_EQ(boxes, 32);
}

TEST(CatalogueTest, ListsHaveAValueForEveryItemAndLegalStates) {
  for (const C list : {C::cbIndent, C::cbDocType, C::cbCharEncoding}) {
    const OptionEntry& entry = Entry(list);
    EXPECT_EQ(entry.items.size(), entry.values.size()) << entry.name;
    ASSERT_TRUE(entry.factory.has_value());
    EXPECT_LT(entry.factory->item, static_cast<int>(entry.items.size()));
    EXPECT_EQ(entry.factory->text, entry.items[static_cast<std::size_t>(entry.factory->item)]);
  }
}

TEST(CatalogueTest, UpDownsStartWithinTheirRangeAndAgreeWithTheirFields) {
  const std::pair<C, C> pairs[] = {{C::udWrap, C::eWrap}, {C::udIndentSpaces, C::eIndentSpaces}};
  for (const auto& [updown, field] : pairs) {
    const OptionEntry& entry = Entry(updown);
    EXPECT_LE(entry.min, entry.built.position);
    EXPECT_GE(entry.max, entry.built.position);
    EXPECT_EQ(std::to_string(entry.built.position), Entry(field).built.text);
    EXPECT_EQ(entry.key, Entry(field).key);
    EXPECT_EQ(entry.hint, Entry(field).hint);
  }
}

TEST(CatalogueTest, ControlsOfOneRowShareTheirHint) {
  EXPECT_EQ(Entry(C::lWrap).hint, Entry(C::eWrap).hint);
  EXPECT_EQ(Entry(C::Label1).hint, Entry(C::cbIndent).hint);
  EXPECT_EQ(Entry(C::cbAltText).hint, Entry(C::eAltText).hint);
  for (const C bare : {C::cbWrapScriptLiterals, C::cbWrapJste, C::cbQuoteNbsp, C::eNewPreTags,
                       C::cbInputXML, C::cbCharEncoding, C::lDoctype}) {
    EXPECT_TRUE(Entry(bare).hint.empty()) << Entry(bare).name;
  }
}

TEST(CatalogueTest, HintsBreakLinesWithCrLfOnly) {
  for (const OptionEntry& entry : Catalogue()) {
    const std::string_view hint = entry.hint;
    for (std::size_t i = 0; i < hint.size(); ++i) {
      if (hint[i] == '\n') EXPECT_TRUE(i > 0 && hint[i - 1] == '\r') << entry.name;
      if (hint[i] == '\r') EXPECT_TRUE(i + 1 < hint.size() && hint[i + 1] == '\n') << entry.name;
    }
  }
}

TEST(CatalogueTest, CaptionsMarkAtMostOneAcceleratorAndShowDoubledAmpersands) {
  for (const OptionEntry& entry : Catalogue()) {
    int accelerators = 0;
    const std::string_view caption = entry.caption;
    for (std::size_t i = 0; i < caption.size(); ++i) {
      if (caption[i] != '&') continue;
      ASSERT_LT(i + 1, caption.size()) << entry.name;
      if (caption[i + 1] == '&') {
        ++i;
      } else {
        ++accelerators;
      }
    }
    EXPECT_LE(accelerators, 1) << entry.name;
  }
  EXPECT_EQ(Entry(C::cbQuoteAmpersand).caption, "&& quoten (&&amp;)");
}

TEST(CatalogueTest, PluginCommentKeysAreHtmlTidyComments) {
  for (const C control : {C::cbWrap, C::cbAltText}) {
    EXPECT_EQ(Entry(control).comment_key.substr(0, 3), "// ");
  }
  EXPECT_EQ(Entry(C::lTidyPath).key, "// Path to Tidy.exe");
}

}  // namespace
}  // namespace markwash
