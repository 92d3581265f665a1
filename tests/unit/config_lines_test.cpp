// The lines of an HTML Tidy configuration file, the values in them, and the
// hand-written catalogue of the options the dialog offers.
#include "core/options/config_lines.h"

#include <gtest/gtest.h>

#include <set>

#include "core/common/error.h"
#include "core/options/catalogue.h"
#include "core/options/doctype_value.h"
#include "core/common/whole_number.h"

namespace markwash {
namespace {

TEST(ConfigLinesTest, AKeyIsTheLastLineThatStartsWithItAndAColonIgnoringCase) {
  const struct {
    TextLines lines;
    const char* key;
    int line;
  } cases[] = {
      {{"a: 1", "wrap: 66", "b: 2"}, "wrap", 1},
      {{"WRAP: 80"}, "wrap", 0},
      {{"AZ: 1"}, "az", 0},
      {{"clean: yes", "x: 1", "clean: no", "y: 2"}, "clean", 2},
      {{" wrap: 66"}, "wrap", -1},  // indented: no key
      {{"wrap : 66"}, "wrap", -1},
      {{"wrap-asp: no"}, "wrap", -1},
      {{"wrap: 66"}, "wrap:", 0},
      {{"// wrap: 72", "wrap: 0"}, "// wrap", 0},
      {{"wra"}, "wrap", -1},
      {{}, "wrap", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(FindKeyLine(c.lines, c.key), c.line) << c.key;
  EXPECT_FALSE(EqualsIgnoreAsciiCase("\xc4", "\xe4"));
}

TEST(ConfigLinesTest, ValuesAreReadTrimmedAndWrittenAsGiven) {
  EXPECT_EQ(GetKeyValue({"alt-text: \t  Gr\xfc\xdf \x01\x7f"}, "alt-text"), "Gr\xfc\xdf");
  EXPECT_EQ(GetKeyValue({"wrap:72"}, "wrap"), "72");
  EXPECT_EQ(GetKeyValue({"doctype:   \"a  b\"  "}, "DOCTYPE"), "\"a  b\"");
  EXPECT_EQ(GetKeyValue({"other: 1"}, "alt-text"), "");

  TextLines lines = {"clean: yes", "WRAP: 80", "x: 1", "clean: no", " wrap: 1"};
  SetKey(lines, "wrap", " 72 ");
  SetKey(lines, "clean", "yes");
  SetKey(lines, "alt-text", "");
  EXPECT_EQ(lines, (TextLines{"clean: yes", "wrap:  72 ", "x: 1", "clean: yes", " wrap: 1", "alt-text: "}));
  SetOrDeleteKey(lines, "x", " a, b ");
  SetOrDeleteKey(lines, "alt-text", " \t ");
  DeleteKey(lines, "CLEAN");  // every line of it, so that no earlier one comes back
  EXPECT_EQ(lines, (TextLines{"wrap:  72 ", "x:  a, b ", " wrap: 1"}));
}

TEST(ConfigLinesTest, WholeNumbersFitAnIntOrFailWithTheConversionMessage) {
  for (const auto& [text, value] : {std::pair{"72", 72}, {"007", 7}, {"-5", -5}, {"+5", 5},
                                    {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}}) {
    EXPECT_EQ(WholeNumberOrThrow(text), value) << text;
  }
  for (const char* text : {"abc", "7x", "", "-", "1.000", " 7", "2147483648", "99999999999999999999"}) {
    try {
      WholeNumberOrThrow(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const Error& error) {
      EXPECT_EQ(std::string(error.what()), std::string("'") + text + "' is not a valid integer value");
    }
  }
}

TEST(ConfigLinesTest, DocTypeTextIsQuotedWithDoubledQuotesAndUnquotedBack) {
  for (const auto& [value, text] : {std::pair{"\"say \"\"hi\"\"\"", "say \"hi\""}, {"\"abc\" tail", "abc"},
                                    {"\"abc", "ab"}, {"\"a\"\"", "a"}, {"\"", ""}, {"\"\"", ""}}) {
    EXPECT_EQ(UnquoteDocType(value), text) << value;
  }
  EXPECT_EQ(QuoteDocType("a\"b"), "\"a\"\"b\"");
  for (const char* text : {"", "\"", "\"\"x", "  padded  ", "-//W3C//DTD XHTML 1.0//EN"}) {
    EXPECT_EQ(UnquoteDocType(QuoteDocType(text)), text);
  }
}

TEST(CatalogueTest, EntriesFollowTheirControlsAndEveryBoxHasAKeyAndRuleOfItsOwn) {
  std::set<std::string_view> names, keys;
  for (std::size_t i = 0; i < Catalogue().size(); ++i) {
    const OptionEntry& entry = Catalogue()[i];
    SCOPED_TRACE(std::string(entry.name));
    EXPECT_EQ(static_cast<std::size_t>(entry.control), i);
    EXPECT_TRUE(names.insert(entry.name).second);
    EXPECT_EQ(entry.items.size(), entry.values.size());
    if (entry.kind == ControlKind::CheckBox) {
      EXPECT_NE(entry.rule, ReadRule::kNone);
      EXPECT_TRUE(keys.insert(entry.key).second);
    }
    if (entry.kind == ControlKind::UpDown) EXPECT_EQ(entry.built.position, entry.factory->position);
    const std::string_view hint = entry.hint;  // CR LF line breaks only
    for (std::size_t at = hint.find_first_of("\r\n"); at != std::string_view::npos;
         at = hint.find_first_of("\r\n", at + 2)) {
      EXPECT_EQ(hint.substr(at, 2), "\r\n");
    }
    int accelerators = 0;  // "&&" shows an ampersand
    for (std::size_t at = entry.caption.find('&'); at != std::string_view::npos; at = entry.caption.find('&', at + 2))
      accelerators += entry.caption.substr(at, 2) != "&&";
    EXPECT_LE(accelerators, 1);
  }
  EXPECT_EQ(keys.size(), 32u);
}

}  // namespace
}  // namespace markwash
