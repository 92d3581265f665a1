#include "core/runner/tidy_exit.h"

#include <cstdio>

namespace markwash {

bool IsNormalTidyExit(std::uint32_t exit_code) { return exit_code <= 2; }

std::string AbnormalTidyExitText(std::uint32_t exit_code) {
  char code[32];
  if (exit_code > 0xFFFF) {
    std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(exit_code));
  } else {
    std::snprintf(code, sizeof code, "%u", static_cast<unsigned>(exit_code));
  }
  return std::string("Tidy.exe wurde nicht normal beendet (Exit-Code ") + code +
         ").\r\nSein Ergebnis wird nicht übernommen.";
}

std::string HungTidyQuestionText(unsigned seconds) {
  return "Tidy.exe läuft seit " + std::to_string(seconds) +
         " Sekunden und ist noch nicht fertig.\r\n\r\nSoll Tidy.exe jetzt beendet werden?";
}

std::string StoppedTidyText() {
  return "Tidy.exe wurde beendet, weil es nicht zu Ende kam.\r\nSein Ergebnis wird nicht übernommen.";
}

}  // namespace markwash
