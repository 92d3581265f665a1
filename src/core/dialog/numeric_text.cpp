#include "core/dialog/numeric_text.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <locale>
#include <optional>
#include <sstream>

#include "core/common/ascii_text.h"
#include "core/common/whole_number.h"

namespace markwash {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
std::string_view TrimBlanks(std::string_view text) { return TrimAscii(text, IsAsciiBlank); }

// Checks the floating-number grammar with the system's decimal separator and
// returns the same number spelled for the classic "C" reading.
std::optional<std::string> ToClassicNumber(std::string_view text, char decimal_separator) {
  text = TrimBlanks(text);
  std::string classic;
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) classic += text[i++];
  size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) classic += text[i];
  if (i < text.size() && text[i] == decimal_separator) {
    classic += '.';
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits) classic += text[i];
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    classic += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) classic += text[i++];
    size_t exponent_digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++exponent_digits) classic += text[i];
    if (exponent_digits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  return classic;
}

// Truncates toward zero; values beyond the 32-bit range stop at its ends
// instead of overflowing.
int TruncateToInt(double value) {
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

NumericReading ReadNumericText(std::string_view text, char dec_separator,
                               const NumberConventions& system) {
  std::string local(text);
  const size_t at = local.find(dec_separator);
  if (at != std::string::npos) local[at] = system.decimal_separator;

  const auto classic = ToClassicNumber(local, system.decimal_separator);
  if (!classic) return {};
  std::istringstream in(*classic);
  in.imbue(std::locale::classic());
  double value = 0;
  in >> value;
  // Out of the floating range counts as not a number, like any other bad text.
  if (in.fail() || !std::isfinite(value)) return {};
  return {value, TruncateToInt(value)};
}

std::string FormatUpDownPosition(int position, const NumberConventions& system) {
  const std::string digits = std::to_string(position < 0 ? -static_cast<long long>(position)
                                                         : static_cast<long long>(position));
  std::string text = position < 0 ? "-" : "";
  for (size_t i = 0; i < digits.size(); ++i) {
    if (system.thousands_separator != '\0' && i > 0 && (digits.size() - i) % 3 == 0) {
      text += system.thousands_separator;
    }
    text += digits[i];
  }
  return text;
}

int ReadUpDownPosition(std::string_view text, const UpDownRange& range,
                       const NumberConventions& system, int last_valid) {
  text = TrimBlanks(text);
  // A thousands separator counts only between two digits; the rest is a
  // plain whole number.
  std::string digits;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool grouping = c == system.thousands_separator && c != '\0' && i > 0 && IsDigit(text[i - 1]) &&
                          i + 1 < text.size() && IsDigit(text[i + 1]);
    if (!grouping) digits += c;
  }
  const std::optional<int> number = ParseWholeNumber(digits);
  if (!number || *number < range.min || *number > range.max) return last_valid;
  return *number;
}

int StepUpDownPosition(int position, int step, const UpDownRange& range) {
  const long long stepped = static_cast<long long>(position) + step;
  return static_cast<int>(std::clamp<long long>(stepped, range.min, range.max));
}

std::string_view PastableText(std::string_view clipboard) {
  const auto end = std::find_if(clipboard.begin(), clipboard.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 32; });
  return clipboard.substr(0, static_cast<size_t>(end - clipboard.begin()));
}

}  // namespace markwash
