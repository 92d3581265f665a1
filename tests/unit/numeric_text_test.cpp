// The number fields: text read as the system's conventions read it, a
// position written with thousands separators, stepped within its range.
#include "core/dialog/numeric_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace markwash {
namespace {

const NumberConventions kGerman{',', '.'};
const NumberConventions kEnglish{'.', ','};
const UpDownRange kWrap{0, 32767};
const UpDownRange kIndent{0, 32};

TEST(NumericTextTest, TextReadsAsValueAndTruncatedValue) {
  const struct {
    const char* text;
    NumberConventions system;
    double value;
    int value_int;
  } cases[] = {
      {"4,5", kEnglish, 4.5, 4},  // the separator "," stands for the system's "."
      {"4.5", kGerman, 0, 0},     {"-4,9", kGerman, -4.9, -4},  {"  72 ", kGerman, 72, 72},
      {"1,5e2", kGerman, 150, 150}, {"1,2,3", kGerman, 0, 0},   {"1e", kGerman, 0, 0},
      {"1.000", kGerman, 0, 0},   {"1e400", kGerman, 0, 0},     {"-3e9", kGerman, -3e9, INT_MIN},
  };
  for (const auto& c : cases) {
    const auto reading = ReadNumericText(c.text, ',', c.system);
    EXPECT_DOUBLE_EQ(reading.value, c.value) << c.text;
    EXPECT_EQ(reading.value_int, c.value_int) << c.text;
  }
}

// A left field shows the position that reading it puts in effect: beyond
// the range, or no whole number, the last valid one (here 50) stays.
TEST(NumericTextTest, AFieldReadsBackOnlyAWholeNumberInRangeAndShowsItGrouped) {
  const struct {
    const char* typed;
    UpDownRange range;
    int position;
    const char* shown;
  } cases[] = {
      {"72", kWrap, 72, "72"},          {"1.000", kWrap, 1000, "1.000"}, {"32.767", kWrap, 32767, "32.767"},
      {"32.768", kWrap, 50, "50"},      {"-1", kWrap, 50, "50"},         {"4,5", kIndent, 50, "50"},
      {"33", kIndent, 50, "50"},        {"32", kIndent, 32, "32"},       {".100", kWrap, 50, "50"},
      {"1..000", kWrap, 50, "50"},      {" 7 ", kIndent, 7, "7"},        {"-5", {-10, 10}, -5, "-5"}, {"100.000", {0, 100000}, 100000, "100.000"},
      {"99999999999999", kWrap, 50, "50"}};
  for (const auto& c : cases) {
    const int position = ReadUpDownPosition(c.typed, c.range, kGerman, 50);
    EXPECT_EQ(position, c.position) << c.typed;
    EXPECT_EQ(FormatUpDownPosition(position, kGerman), c.shown) << c.typed;
  }
  EXPECT_EQ(FormatUpDownPosition(1234567, kEnglish), "1,234,567");
  EXPECT_EQ(FormatUpDownPosition(-1000, kGerman), "-1.000");
  EXPECT_EQ(FormatUpDownPosition(1000, {',', '\0'}), "1000");
}

TEST(NumericTextTest, SteppingStopsAtTheRangeEndsAndPastingAtAControlCharacter) {
  const struct {
    int position, step;
    UpDownRange range;
    int expected;
  } cases[] = {{32, +1, kIndent, 32}, {0, -1, kIndent, 0}, {999, +1, kWrap, 1000}, {INT_MAX, +1, {0, INT_MAX}, INT_MAX}};
  for (const auto& c : cases) EXPECT_EQ(StepUpDownPosition(c.position, c.step, c.range), c.expected);
  for (const auto& [clipboard, pasted] : {std::pair<std::string, std::string>{"72\r\n80", "72"}, {"a\tb", "a"},
                                          {std::string("ab\0c", 4), "ab"}, {"\xE4\xF6\xFC", "\xE4\xF6\xFC"}}) {
    EXPECT_EQ(PastableText(clipboard), pasted);
  }
}

}  // namespace
}  // namespace markwash
