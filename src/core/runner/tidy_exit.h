// How a finished Tidy is judged: 0 (clean), 1 (warnings) and 2 (errors) are
// its own verdicts; anything else means it ended abnormally (a crash, a
// kill) and may have left a half-written document behind.
#pragma once
#include <cstdint>
#include <string>

namespace markwash {

bool IsNormalTidyExit(std::uint32_t exit_code);

// The error text for an abnormal end (UTF-8): names the exit code, in
// hexadecimal when it is a system status such as 0xC0000005.
std::string AbnormalTidyExitText(std::uint32_t exit_code);

// The question asked while Tidy has run for `seconds` without ending (UTF-8).
std::string HungTidyQuestionText(unsigned seconds);

// The error text after a hung Tidy was stopped (UTF-8).
std::string StoppedTidyText();

}  // namespace markwash
