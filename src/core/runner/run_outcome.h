// What a finished run of Tidy leaves for the dialog to offer. A document
// with a NUL byte cannot cross the boundary to the host (its text ends at
// the first NUL), so it is not offered at all; a run that failed offers no
// output, and the messages page shows what Tidy said followed by the error.
#pragma once
#include <string>
#include <string_view>

#include "core/common/text_lines.h"

namespace markwash {

// The error text for such output (UTF-8): names the likely cause.
std::string NulInOutputText();

// What the messages page shows after a failed run: what Tidy said, then the
// error's lines.
LineBlock MessagesOfFailedRun(LineBlock said, std::string_view error);

// The line that names a temporary file Windows would not delete yet (UTF-8
// words; the name is appended in its own bytes by the caller).
inline constexpr char kTempFileLeftText[] =
    "Temporäre Datei konnte noch nicht gelöscht werden (beim Schließen des Dialogs erneut versucht): ";

}  // namespace markwash
