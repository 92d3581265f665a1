// What the dialog puts in effect from what the user left behind: a stored
// window state, and the text typed into a number field once it is left.
#include <gtest/gtest.h>

#include "core/dialog/numeric_text.h"
#include "core/dialog/opening_state.h"

namespace markwash {
namespace {

TEST(ValuesInEffect, AStoredMinimisedStateOpensNormal) {
  EXPECT_EQ(WindowState::Normal, OpeningWindowState(WindowStateFromShowCmd(2)));
  EXPECT_EQ(WindowState::Normal, OpeningWindowState(WindowStateFromShowCmd(7)));
  EXPECT_EQ(WindowState::Maximized, OpeningWindowState(WindowStateFromShowCmd(3)));
  EXPECT_EQ(WindowState::Normal, OpeningWindowState(WindowStateFromShowCmd(1)));
}

// A left number field shows the position that reading it puts in effect:
// beyond the range, or no whole number, the last valid one stays.
TEST(ValuesInEffect, ALeftNumberFieldShowsTheLastValidNumberForTextOutOfRange) {
  const NumberConventions german{',', '.'};
  struct Case {
    const char* typed;
    UpDownRange range;
    int lastValid;
    const char* shown;
  };
  const Case cases[] = {
      {"33", {0, 32}, 2, "2"},      {"32", {0, 32}, 2, "32"},        {"40000", {0, 32767}, 66, "66"},
      {"-5", {0, 32767}, 66, "66"}, {"4,5", {0, 32}, 2, "2"},        {"abc", {0, 32767}, 72, "72"},
      {"1000", {0, 32767}, 66, "1.000"}, {" 72 ", {0, 32767}, 66, "72"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.shown, FormatUpDownPosition(ReadUpDownPosition(c.typed, c.range, german, c.lastValid), german))
        << c.typed;
}

}  // namespace
}  // namespace markwash
