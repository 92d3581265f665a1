#include "summary_table.h"

#include <cstdio>

namespace bench {
namespace {

// The targets: the run costs at most 5 % over Tidy alone wherever Tidy has
// much to say, 3 % on the large clean documents (where nothing but the
// document's own handling adds to it); the host holds at most four times the
// document on top of what it held; a PgDn is handled within 20 ms.
double RatioTarget(const RunFigures& run) {
  if (run.kind == DocumentKind::kClean) return run.megabytes >= 5 ? 1.03 : 0;
  return 1.05;
}

double MemoryTarget(const RunFigures& run) { return run.megabytes >= 5 ? 4.0 : 0; }

constexpr double kPageDownTargetMs = 20;

const char* Verdict(double value, double target) {
  if (target <= 0) return "  ";
  return value <= target ? "ok" : "NO";
}

void PrintTarget(double target, const char* format) {
  if (target > 0) {
    std::printf(format, target);
  } else {
    std::printf("%*s", std::snprintf(nullptr, 0, format, 1.0), "-");
  }
}

void PrintPageDown(const PageDownFigures& keys) {
  if (!keys.viewFound) {
    std::printf("  PgDn: messages view not found");
    return;
  }
  std::printf("  %6d %8.1f %7.2f  <=%2.0f %s%s", keys.keys, keys.slowestMs, keys.meanMs, kPageDownTargetMs,
              Verdict(keys.slowestMs, kPageDownTargetMs), keys.reachedEnd ? "" : "  (stopped by the bound)");
  if (!keys.reachedEnd) std::printf(" at %.0f %%", keys.shownPercent);
  if (!keys.focused) std::printf(" (view not focused)");
}

}  // namespace

bool AppendFigures(const std::wstring& path, const RunFigures& run) {
  FILE* file = _wfopen(path.c_str(), L"a");
  if (!file) return false;
  const PageDownFigures& keys = run.pageDown;
  std::fprintf(file, "%s %.6f %ld %.6f %.6f %.6f %d %d %d %d %.6f %.6f %d %.3f\n", KindName(run.kind), run.megabytes,
               run.messageLines, run.pluginSeconds, run.tidySeconds, run.memoryMultiple, run.scrolled ? 1 : 0,
               keys.viewFound ? 1 : 0, keys.focused ? 1 : 0, keys.keys, keys.slowestMs, keys.meanMs,
               keys.reachedEnd ? 1 : 0, keys.shownPercent);
  return std::fclose(file) == 0;
}

std::vector<RunFigures> ReadFigures(const std::wstring& path) {
  std::vector<RunFigures> runs;
  FILE* file = _wfopen(path.c_str(), L"r");
  if (!file) return runs;
  char kind[16];
  RunFigures run;
  int scrolled, found, focused, reachedEnd;
  PageDownFigures& keys = run.pageDown;
  while (std::fscanf(file, "%15s %lf %ld %lf %lf %lf %d %d %d %d %lf %lf %d %lf", kind, &run.megabytes,
                     &run.messageLines, &run.pluginSeconds, &run.tidySeconds, &run.memoryMultiple, &scrolled, &found,
                     &focused, &keys.keys, &keys.slowestMs, &keys.meanMs, &reachedEnd, &keys.shownPercent) == 14) {
    if (!KindFromName(kind, &run.kind)) continue;
    run.scrolled = scrolled != 0;
    keys.viewFound = found != 0;
    keys.focused = focused != 0;
    keys.reachedEnd = reachedEnd != 0;
    runs.push_back(run);
  }
  std::fclose(file);
  return runs;
}

void PrintSummary(const std::vector<RunFigures>& runs) {
  std::printf("\nAgainst the targets (ratio = plug-in run / Tidy alone; memory = host peak above its level before"
              " pluginStart, in document sizes)\n");
  std::printf("document    MB  messages  plug-in s  Tidy s   ratio target     memory target     PgDn keys slowest-ms"
              " mean-ms target\n");
  for (const RunFigures& run : runs) {
    const double ratio = run.tidySeconds > 0 ? run.pluginSeconds / run.tidySeconds : 0;
    std::printf("%-8s %5.2f %9ld %10.3f %7.3f %7.3f ", KindName(run.kind), run.megabytes, run.messageLines,
                run.pluginSeconds, run.tidySeconds, ratio);
    PrintTarget(RatioTarget(run), "<=%4.2f");
    std::printf(" %s %8.2fx ", Verdict(ratio, RatioTarget(run)), run.memoryMultiple);
    PrintTarget(MemoryTarget(run), "<=%3.1fx");
    std::printf(" %s", Verdict(run.memoryMultiple, MemoryTarget(run)));
    if (run.scrolled) PrintPageDown(run.pageDown);
    std::printf("\n");
  }
  std::fflush(stdout);
}

}  // namespace bench
