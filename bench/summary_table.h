// The figures of each measured run, passed from the run's own process to the
// main one through a file, and printed as one table beside the targets the
// plug-in is held to.
#pragma once

#include <string>
#include <vector>

#include "documents.h"
#include "page_down_scroll.h"

namespace bench {

// What a run measures besides its times: nothing more, the host's memory
// (sampled, which costs the run some time), or the PgDn scroll afterwards.
enum class RunMode { kTimed, kMemory, kPageDown };

const wchar_t* ModeName(RunMode mode);
bool ModeFromName(const std::wstring& name, RunMode* mode);

struct RunFigures {
  DocumentKind kind = DocumentKind::kClean;
  RunMode mode = RunMode::kTimed;
  double megabytes = 0;
  long messageLines = 0;     // lines Tidy alone wrote to its message file
  double pluginSeconds = -1;  // click on "&Tidy starten" to the results shown
  double tidySeconds = -1;    // the same Tidy.exe alone on the same document
  // Each run less the life of its Tidy process: the plug-in's own work (and
  // starting Tidy), and what starting Tidy directly costs.
  double pluginAroundSeconds = -1;
  double tidyAroundSeconds = -1;
  double memoryMultiple = 0;  // host peak above its level before pluginStart / document size
  PageDownFigures pageDown;
};

// Appends one line to `path`.
bool AppendFigures(const std::wstring& path, const RunFigures& figures);

// All lines of `path`; a line that does not read is left out.
std::vector<RunFigures> ReadFigures(const std::wstring& path);

// One line per document: the best times of its timed runs, the memory of its
// memory run, the scroll of its PgDn run.
void PrintSummary(const std::vector<RunFigures>& runs);

}  // namespace bench
