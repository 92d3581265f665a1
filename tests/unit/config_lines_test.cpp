#include "core/options/config_lines.h"

#include <gtest/gtest.h>

namespace markwash {
namespace {

struct FindCase {
  const char* name;
  TextLines lines;
  const char* key;
  int expected;
};

class FindKeyLineTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindKeyLineTest, FindsTheLastLineThatStartsWithKeyAndColon) {
  const FindCase& c = GetParam();
  EXPECT_EQ(FindKeyLine(c.lines, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindKeyLineTest,
    ::testing::Values(
        FindCase{"Plain", {"a: 1", "wrap: 66", "b: 2"}, "wrap", 1},
        FindCase{"KeyInCapitals", {"WRAP: 80"}, "wrap", 0},
        FindCase{"EveryLetterFolds", {"ZIZZ-AZ: 1"}, "zizz-az", 0},
        FindCase{"LastDuplicateCounts", {"clean: yes", "x: 1", "clean: no", "y: 2"}, "clean", 2},
        FindCase{"IndentedKeyIsNoKey", {" wrap: 66"}, "wrap", -1},
        FindCase{"BlankBeforeColonIsNoKey", {"wrap : 66"}, "wrap", -1},
        FindCase{"LongerKeyIsAnotherKey", {"wrap-asp: no"}, "wrap", -1},
        FindCase{"KeyGivenWithColon", {"wrap: 66"}, "wrap:", 0},
        FindCase{"CommentKey", {"// wrap: 72", "wrap: 0"}, "// wrap", 0},
        FindCase{"LineShorterThanKey", {"wra"}, "wrap", -1},
        FindCase{"EmptyScript", {}, "wrap", -1}),
    [](const auto& info) { return info.param.name; });

TEST(GetKeyValueTest, TrimsBlanksAndControlCharacters) {
  EXPECT_EQ(GetKeyValue({"alt-text: \t  Bild \x01\x7f"}, "alt-text"), "Bild");
  EXPECT_EQ(GetKeyValue({"wrap:72"}, "wrap"), "72");
  EXPECT_EQ(GetKeyValue({"doctype:   \"a  b\"  "}, "DOCTYPE"), "\"a  b\"");
}

TEST(GetKeyValueTest, MissingKeyAndEmptyValueReadTheSame) {
  EXPECT_EQ(GetKeyValue({"other: 1"}, "alt-text"), "");
  EXPECT_EQ(GetKeyValue({"alt-text: "}, "alt-text"), "");
  EXPECT_EQ(GetKeyValue({"alt-text:"}, "alt-text"), "");
}

TEST(GetKeyValueTest, KeepsEightBitBytes) {
  EXPECT_EQ(GetKeyValue({"alt-text: Gr\xfc\xdf"}, "alt-text"), "Gr\xfc\xdf");
}

TEST(SetKeyTest, ReplacesLastOccurrenceInPlaceWithLowerCaseKey) {
  TextLines lines = {"clean: yes", "WRAP: 80", "x: 1", "clean: no"};
  SetKey(lines, "wrap", "66");
  SetKey(lines, "clean", "yes");
  EXPECT_EQ(lines, (TextLines{"clean: yes", "wrap: 66", "x: 1", "clean: yes"}));
}

TEST(SetKeyTest, AppendsMissingKeyAndKeepsValueUntrimmed) {
  TextLines lines = {" wrap: 66"};
  SetKey(lines, "wrap", " 72 ");
  SetKey(lines, "alt-text", "");
  EXPECT_EQ(lines, (TextLines{" wrap: 66", "wrap:  72 ", "alt-text: "}));
}

TEST(DeleteKeyTest, RemovesEveryLineOfTheKeySoNoEarlierOneComesBack) {
  TextLines lines = {"alt-text: old", "a", "ALT-TEXT: new", " alt-text: indented", "b"};
  DeleteKey(lines, "alt-text");
  EXPECT_EQ(lines, (TextLines{"a", " alt-text: indented", "b"}));
  EXPECT_EQ(GetKeyValue(lines, "alt-text"), "");
  DeleteKey(lines, "missing");
  EXPECT_EQ(lines, (TextLines{"a", " alt-text: indented", "b"}));
}

TEST(SetOrDeleteKeyTest, BlankValueRemovesOtherwiseWritesUntrimmed) {
  TextLines lines = {"new-pre-tags: x", "z: 1"};
  SetOrDeleteKey(lines, "new-pre-tags", " \t ");
  EXPECT_EQ(lines, (TextLines{"z: 1"}));
  SetOrDeleteKey(lines, "new-pre-tags", " a, b ");
  EXPECT_EQ(lines, (TextLines{"z: 1", "new-pre-tags:  a, b "}));
}

TEST(EqualsIgnoreAsciiCaseTest, FoldsOnlyAsciiLetters) {
  EXPECT_TRUE(EqualsIgnoreAsciiCase("UTF8", "utf8"));
  EXPECT_FALSE(EqualsIgnoreAsciiCase("utf-8", "utf8"));
  EXPECT_FALSE(EqualsIgnoreAsciiCase("\xc4", "\xe4"));
}

}  // namespace
}  // namespace markwash
