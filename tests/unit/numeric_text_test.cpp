// The number fields: an up-down's position read from its field's text,
// written with thousands separators, and stepped within its range.
#include "core/dialog/numeric_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace markwash {

TEST(NumericText, AnUpDownTakesOnlyAWholeNumberInRangeAndStepsWithinIt) {
  const NumberConventions german{',', '.'};
  // Beyond the range, or no whole number: the last valid position (50) stays.
  for (const auto& [typed, max, position] : {std::tuple{"1.000", 32767, 1000}, {"32.768", 32767, 50}, {"-1", 32767, 50},
                                             {"4,5", 32, 50}, {"33", 32, 50}, {" 32 ", 32, 32}, {".100", 32767, 50},
                                             {"1..000", 32767, 50}, {"99999999999999", 32767, 50}}) {
    EXPECT_EQ(ReadUpDownPosition(typed, {0, max}, german, 50), position) << typed;
  }
  EXPECT_EQ(FormatUpDownPosition(-123456, german) + " " + FormatUpDownPosition(1000, {',', '\0'}), "-123.456 1000");
  for (const auto& [position, step, max, stepped] : {std::tuple{32, +1, 32, 32}, {0, -1, 32, 0}, {999, +1, 32767, 1000},
                                                     {INT_MAX, +1, INT_MAX, INT_MAX}}) {
    EXPECT_EQ(StepUpDownPosition(position, step, {0, max}), stepped) << position;
  }
  EXPECT_DOUBLE_EQ(ReadNumericText(" -4.5e1 ", ',', {'.', ','}).value, -45);  // the field's own reading
  EXPECT_EQ(std::string(PastableText("72\r\n80")), "72");
}

}  // namespace markwash
