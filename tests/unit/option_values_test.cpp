#include <gtest/gtest.h>

#include "core/common/error.h"
#include "core/common/whole_number.h"
#include "core/options/doctype_value.h"

namespace markwash {
namespace {

TEST(ParseWholeNumberTest, AcceptsSignedDecimalsThatFitAnInt) {
  EXPECT_EQ(WholeNumberOrThrow("72"), 72);
  EXPECT_EQ(WholeNumberOrThrow("0"), 0);
  EXPECT_EQ(WholeNumberOrThrow("007"), 7);
  EXPECT_EQ(WholeNumberOrThrow("-5"), -5);
  EXPECT_EQ(WholeNumberOrThrow("+5"), 5);
  EXPECT_EQ(WholeNumberOrThrow("2147483647"), 2147483647);
  EXPECT_EQ(WholeNumberOrThrow("-2147483648"), -2147483647 - 1);
}

TEST(ParseWholeNumberTest, RejectsEverythingElseWithTheConversionMessage) {
  for (const char* text : {"abc", "7x", "", "-", "1.000", "4,5", " 7", "2147483648", "99999999999999999999"}) {
    try {
      WholeNumberOrThrow(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const Error& error) {
      EXPECT_EQ(std::string(error.what()), std::string("'") + text + "' is not a valid integer value");
    }
  }
}

struct UnquoteCase {
  const char* value;
  const char* text;
};

void PrintTo(const UnquoteCase& c, std::ostream* out) { *out << c.value; }

class UnquoteDocTypeTest : public ::testing::TestWithParam<UnquoteCase> {};

TEST_P(UnquoteDocTypeTest, GivesTheTypedText) {
  EXPECT_EQ(UnquoteDocType(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnquoteDocTypeTest,
    ::testing::Values(UnquoteCase{"\"-//W3C//DTD HTML 4.01//EN\"", "-//W3C//DTD HTML 4.01//EN"},
                      UnquoteCase{"\"say \"\"hi\"\"\"", "say \"hi\""},
                      UnquoteCase{"\"abc\" tail", "abc"},
                      UnquoteCase{"\"abc", "ab"},          // no closing quote
                      UnquoteCase{"\"a\"\"", "a"},         // doubled quote, then no closing one
                      UnquoteCase{"\"", ""},
                      UnquoteCase{"\"\"", ""}));

TEST(QuoteDocTypeTest, DoublesInnerQuotesAndSurvivesUnquoting) {
  EXPECT_EQ(QuoteDocType("a\"b"), "\"a\"\"b\"");
  for (const char* text : {"", "x", "\"", "\"\"x", "  padded  ", "-//W3C//DTD XHTML 1.0//EN"}) {
    EXPECT_EQ(UnquoteDocType(QuoteDocType(text)), text);
  }
}

}  // namespace
}  // namespace markwash
