// The numeric edit field and its up-down partner, without the window: how
// the field's text reads as a number, how an up-down position is written to
// and read back from that text, and what a paste may insert.
#pragma once
#include <string>
#include <string_view>

namespace markwash {

// The system's number conventions, as single 8-bit characters; a thousands
// separator of '\0' means the system groups no digits.
struct NumberConventions {
  char decimal_separator = '.';
  char thousands_separator = ',';
};

// The field's numeric reading: `value` and `value_int` truncated toward zero.
struct NumericReading {
  double value = 0;
  int value_int = 0;
};

// The first `dec_separator` becomes the system's decimal separator, then the
// text is read as a floating number (blanks around it, sign, decimals,
// exponent); anything else reads as 0. The text itself is never changed.
NumericReading ReadNumericText(std::string_view text, char dec_separator,
                               const NumberConventions& system);

struct UpDownRange {
  int min = 0;
  int max = 0;
};

// Decimal text, grouped with the thousands separator from 1000 on.
std::string FormatUpDownPosition(int position, const NumberConventions& system);

// The text as a whole number within the range (thousands separators between
// digits allowed); otherwise the last valid position stays.
int ReadUpDownPosition(std::string_view text, const UpDownRange& range,
                       const NumberConventions& system, int last_valid);

// One step up (+1) or down (-1), stopping at the range's ends.
int StepUpDownPosition(int position, int step, const UpDownRange& range);

// Clipboard text up to, not including, its first character below 32.
std::string_view PastableText(std::string_view clipboard);

}  // namespace markwash
