#include "core/runner/run_outcome.h"

#include <iterator>

namespace markwash {

std::string NulInOutputText() {
  return "Die Ausgabe von Tidy.exe enthält Null-Bytes und wird nicht übernommen.\r\n"
         "Wahrscheinlich ist eine Ausgabe-Kodierung eingestellt (etwa UTF-16), die der Text des Editors nicht "
         "aufnehmen kann.";
}

LineBlock MessagesOfFailedRun(LineBlock said, std::string_view error) {
  said.Add(error);
  said.Finish();
  return said;
}

}  // namespace markwash
