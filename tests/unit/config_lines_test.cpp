// The lines of an HTML Tidy configuration file and the values in them.
#include "core/options/config_lines.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/common/error.h"
#include "core/common/whole_number.h"
#include "core/options/doctype_value.h"

namespace markwash {

TEST(ConfigLines, AKeyIsTheLastLineThatStartsWithItAndAColonIgnoringCase) {
  for (const auto& [lines, key, line] : {
           std::tuple<TextLines, const char*, int>{{"a: 1", "WRAP: 66", "b: 2"}, "wrap", 1}, {{"AZ: 1"}, "az", 0},
           {{"\xc4: 1"}, "\xe4", -1}, {{"clean: yes", "x: 1", "clean: no", "y: 2"}, "clean", 2}, {{" wrap: 66"}, "wrap", -1},
           {{"wrap : 66"}, "wrap", -1}, {{"wrap-asp: no"}, "wrap", -1}, {{"wrap: 66"}, "wrap:", 0},
           {{"// wrap: 72", "wrap: 0"}, "// wrap", 0}, {{"wra"}, "wrap", -1}}) {
    EXPECT_EQ(FindKeyLine(lines, key), line) << key;
  }
}

TEST(ConfigLines, ValuesAreReadTrimmedAndWrittenAsGiven) {
  EXPECT_EQ(GetKeyValue({"alt-text: \t  Gr\xfc\xdf \x01\x7f"}, "alt-text") + GetKeyValue({"wrap:72"}, "wrap"), "Gr\xfc\xdf" "72");
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

TEST(ConfigLines, NumbersFitAnIntOrFailWithTheConversionMessageAndDocTypesAreQuotedBothWays) {
  const auto converted = [](const char* text) {
    try {
      return std::to_string(WholeNumberOrThrow(text));
    } catch (const Error& error) {
      return std::string(error.what());
    }
  };
  for (const auto& [text, value] : {std::pair{"007", "7"}, {"+5", "5"}, {"-2147483648", "-2147483648"}, {"7x", ""},
                                    {"", ""}, {"-", ""}, {"1.000", ""}, {" 7", ""}, {"2147483648", ""}}) {
    EXPECT_EQ(converted(text), *value ? value : "'" + std::string(text) + "' is not a valid integer value");
  }
  for (const auto& [value, text] : {std::pair{"\"say \"\"hi\"\"\"", "say \"hi\""}, {"\"abc\" tail", "abc"},
                                    {"\"abc", "ab"}, {"\"a\"\"", "a"}, {"\"", ""}, {"\"\"", ""}}) {
    EXPECT_EQ(UnquoteDocType(value), text) << value;
  }
  for (const char* text : {"", "\"", "\"\"x", "  padded  ", "-//W3C//DTD XHTML 1.0//EN"}) {
    EXPECT_EQ(UnquoteDocType(QuoteDocType(text)), text);
  }
}

}  // namespace markwash
