#include "core/runner/run_outcome.h"

#include <iterator>

namespace markwash {

std::string NulInOutputText() {
  return "Die Ausgabe von Tidy.exe enthält Null-Bytes und wird nicht übernommen.\r\n"
         "Wahrscheinlich ist eine Ausgabe-Kodierung eingestellt (etwa UTF-16), die der Text des Editors nicht "
         "aufnehmen kann.";
}

TextLines MessagesOfFailedRun(TextLines said, std::string_view error) {
  TextLines errorLines = SplitLines(error);
  said.insert(said.end(), std::make_move_iterator(errorLines.begin()), std::make_move_iterator(errorLines.end()));
  return said;
}

}  // namespace markwash
