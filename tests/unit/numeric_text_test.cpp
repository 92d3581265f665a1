#include "core/dialog/numeric_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace markwash {
namespace {

const NumberConventions kGerman{',', '.'};
const NumberConventions kEnglish{'.', ','};
const UpDownRange kWrapRange{0, 32767};
const UpDownRange kIndentRange{0, 32};

TEST(NumericTextTest, TextReadsAsValueAndTruncatedValueInt) {
  struct Case { const char* text; char dec; NumberConventions system; double value; int value_int; };
  const Case cases[] = {
      {"4,5", ',', kGerman, 4.5, 4},
      {"4,5", ',', kEnglish, 4.5, 4},     // DecSeparator "," stands for the system's "."
      {"4.5", ',', kGerman, 0, 0},        // "." is no decimal separator under German conventions
      {"-4,9", ',', kGerman, -4.9, -4},   // toward zero, not down
      {"66", ',', kGerman, 66, 66},
      {"  72 ", ',', kGerman, 72, 72},
      {"1,5e2", ',', kGerman, 150, 150},
      {"1,2,3", ',', kGerman, 0, 0},      // only the first "," is the separator
      {"abc", ',', kGerman, 0, 0},
      {"", ',', kGerman, 0, 0},
      {"-", ',', kGerman, 0, 0},
      {"1e", ',', kGerman, 0, 0},
      {"12abc", ',', kGerman, 0, 0},
      {"1.000", ',', kGerman, 0, 0},      // thousands separators make no floating number
      {"1e400", ',', kGerman, 0, 0},      // beyond the floating range
      {"3e9", ',', kGerman, 3e9, INT_MAX},
      {"-3e9", ',', kGerman, -3e9, INT_MIN},
  };
  for (const auto& c : cases) {
    const auto reading = ReadNumericText(c.text, c.dec, c.system);
    EXPECT_DOUBLE_EQ(reading.value, c.value) << c.text;
    EXPECT_EQ(reading.value_int, c.value_int) << c.text;
  }
}

TEST(NumericTextTest, PositionIsWrittenWithThousandsSeparatorFromThousandOn) {
  struct Case { int position; NumberConventions system; const char* text; };
  const Case cases[] = {
      {0, kGerman, "0"},        {999, kGerman, "999"},        {1000, kGerman, "1.000"},
      {32767, kGerman, "32.767"}, {1234567, kEnglish, "1,234,567"}, {-1000, kGerman, "-1.000"},
      {100000, kGerman, "100.000"}, {1000, {',', '\0'}, "1000"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatUpDownPosition(c.position, c.system), c.text);
}

TEST(NumericTextTest, PositionIsReadBackOnlyFromAWholeNumberInRange) {
  struct Case { const char* text; UpDownRange range; int expected; };
  const Case cases[] = {
      {"72", kWrapRange, 72},        {"1.000", kWrapRange, 1000},  {"32.767", kWrapRange, 32767},
      {"32.768", kWrapRange, 50},    {"-1", kWrapRange, 50},       {"abc", kWrapRange, 50},
      {"4,5", kIndentRange, 50},     {"33", kIndentRange, 50},     {"", kWrapRange, 50},
      {".100", kWrapRange, 50},      {"100.", kWrapRange, 50},     {"1..000", kWrapRange, 50},
      {" 7 ", kIndentRange, 7},      {"99999999999999", kWrapRange, 50},
      {"-5", {-10, 10}, -5},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadUpDownPosition(c.text, c.range, kGerman, 50), c.expected) << c.text;
  }
}

TEST(NumericTextTest, SteppingStopsAtTheRangeEnds) {
  struct Case { int position; int step; UpDownRange range; int expected; };
  const Case cases[] = {
      {32, +1, kIndentRange, 32}, {0, -1, kIndentRange, 0},  {2, +1, kIndentRange, 3},
      {999, +1, kWrapRange, 1000}, {32767, +1, kWrapRange, 32767}, {INT_MAX, +1, {0, INT_MAX}, INT_MAX},
  };
  for (const auto& c : cases) EXPECT_EQ(StepUpDownPosition(c.position, c.step, c.range), c.expected);
}

TEST(NumericTextTest, WrapWidthStepsFrom999ToGroupedThousandAndReadsBack) {
  const int stepped = StepUpDownPosition(ReadUpDownPosition("999", kWrapRange, kGerman, 66), +1, kWrapRange);
  const std::string shown = FormatUpDownPosition(stepped, kGerman);
  EXPECT_EQ(shown, "1.000");
  EXPECT_EQ(ReadUpDownPosition(shown, kWrapRange, kGerman, 66), 1000);
}

TEST(NumericTextTest, PasteKeepsTextUpToFirstControlCharacter) {
  struct Case { std::string clipboard; std::string pasted; };
  const Case cases[] = {
      {"72\r\n80", "72"}, {"first\nsecond", "first"}, {"a\tb", "a"}, {"plain", "plain"},
      {"\r\nx", ""},      {"", ""},                   {std::string("ab\0c", 4), "ab"},
      {"\xE4\xF6\xFC", "\xE4\xF6\xFC"},  // 8-bit letters are no control characters
  };
  for (const auto& c : cases) EXPECT_EQ(PastableText(c.clipboard), c.pasted);
}

}  // namespace
}  // namespace markwash
