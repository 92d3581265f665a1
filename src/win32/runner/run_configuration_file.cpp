#include "win32/runner/run_configuration_file.h"

#include <windows.h>

#include "core/options/run_configuration.h"
#include "win32/common/ansi_files.h"
#include "win32/common/text_encoding.h"

namespace markwash::win32 {

TextLines AdaptRunConfiguration(const std::string& configFile, TidyKind kind) {
  if (kind != TidyKind::kHtml5) return {};
  const RunConfiguration run =
      ConfigurationForTidy(SplitLines(ReadWholeFile(configFile)), kind, ::GetACP(),
                           [](std::string_view ansi) { return WideToUtf8(AnsiToWide(ansi)); });
  WriteWholeFile(configFile, JoinLines(run.lines));
  TextLines notes;
  for (const std::string& note : run.notes) notes.push_back(Utf8ToAnsi(note));
  return notes;
}

}  // namespace markwash::win32
