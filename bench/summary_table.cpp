#include "summary_table.h"

#include <cstdio>
#include <memory>

namespace bench {
namespace {

using ScopedFile = std::unique_ptr<FILE, int (*)(FILE*)>;

ScopedFile OpenFile(const std::wstring& path, const wchar_t* mode) {
  return ScopedFile(_wfopen(path.c_str(), mode), std::fclose);
}

// The targets: the run costs at most 5 % over Tidy alone wherever Tidy has
// much to say, 3 % on the large clean documents, where Tidy says next to
// nothing and the run's own cost is handling the document; the host holds at
// most four times the document on top of what it held; a PgDn is handled
// within 20 ms. Where a run has no target, 0.
double RatioTarget(const RunFigures& run) {
  if (run.kind == DocumentKind::kClean) return run.megabytes >= 5 ? 1.03 : 0;
  return 1.05;
}

double MemoryTarget(const RunFigures& run) { return run.megabytes >= 5 ? 4.0 : 0; }

constexpr double kPageDownTargetMs = 20;

const char* Verdict(double value, double target) {
  if (target <= 0) return "";
  return value <= target ? "ok" : "NO";
}

// "<=1.05" for a target, "-" where there is none.
std::string TargetText(double target, const char* format) {
  if (target <= 0) return "-";
  char text[32];
  std::snprintf(text, sizeof text, format, target);
  return text;
}

void PrintPageDown(const PageDownFigures& keys) {
  if (!keys.viewFound) {
    std::printf("  messages view not found");
    return;
  }
  std::printf(" %6d %10.1f %8.2f %7s %-3s", keys.keys, keys.slowestMs, keys.meanMs,
              TargetText(kPageDownTargetMs, "<=%.0f").c_str(), Verdict(keys.slowestMs, kPageDownTargetMs));
  if (!keys.reachedEnd) std::printf(" stopped at %.0f %% of the messages", keys.shownPercent);
  if (!keys.focused) std::printf(" (view not focused)");
}

}  // namespace

bool AppendFigures(const std::wstring& path, const RunFigures& run) {
  ScopedFile file = OpenFile(path, L"a");
  if (!file) return false;
  const PageDownFigures& keys = run.pageDown;
  std::fprintf(file.get(), "%s %.6f %ld %.6f %.6f %.6f %d %d %d %d %.6f %.6f %d %.3f\n", KindName(run.kind), run.megabytes,
               run.messageLines, run.pluginSeconds, run.tidySeconds, run.memoryMultiple, run.scrolled ? 1 : 0,
               keys.viewFound ? 1 : 0, keys.focused ? 1 : 0, keys.keys, keys.slowestMs, keys.meanMs,
               keys.reachedEnd ? 1 : 0, keys.shownPercent);
  return std::fclose(file.release()) == 0;
}

std::vector<RunFigures> ReadFigures(const std::wstring& path) {
  std::vector<RunFigures> runs;
  ScopedFile file = OpenFile(path, L"r");
  if (!file) return runs;
  char kind[16];
  RunFigures run;
  int scrolled, found, focused, reachedEnd;
  PageDownFigures& keys = run.pageDown;
  while (std::fscanf(file.get(), "%15s %lf %ld %lf %lf %lf %d %d %d %d %lf %lf %d %lf", kind, &run.megabytes,
                     &run.messageLines, &run.pluginSeconds, &run.tidySeconds, &run.memoryMultiple, &scrolled, &found,
                     &focused, &keys.keys, &keys.slowestMs, &keys.meanMs, &reachedEnd, &keys.shownPercent) == 14) {
    if (!KindFromName(kind, &run.kind)) continue;
    run.scrolled = scrolled != 0;
    keys.viewFound = found != 0;
    keys.focused = focused != 0;
    keys.reachedEnd = reachedEnd != 0;
    runs.push_back(run);
  }
  return runs;
}

void PrintSummary(const std::vector<RunFigures>& runs) {
  std::printf("\nAgainst the targets (ratio = plug-in run / Tidy alone; memory = host peak above its level before"
              " pluginStart, in document sizes; PgDn in ms per key)\n");
  std::printf("%-8s %6s %9s %10s %8s %7s %7s %-3s %8s %7s %-3s %6s %10s %8s %7s\n", "document", "MB", "msg lines",
              "plug-in s", "Tidy s", "ratio", "target", "", "memory", "target", "", "keys", "slowest", "mean",
              "target");
  for (const RunFigures& run : runs) {
    const double ratio = run.tidySeconds > 0 ? run.pluginSeconds / run.tidySeconds : 0;
    const double ratioTarget = RatioTarget(run), memoryTarget = MemoryTarget(run);
    std::printf("%-8s %6.2f %9ld %10.3f %8.3f %7.3f %7s %-3s %7.2fx %7s %-3s", KindName(run.kind), run.megabytes,
                run.messageLines, run.pluginSeconds, run.tidySeconds, ratio,
                TargetText(ratioTarget, "<=%.2f").c_str(), Verdict(ratio, ratioTarget), run.memoryMultiple,
                TargetText(memoryTarget, "<=%.0fx").c_str(), Verdict(run.memoryMultiple, memoryTarget));
    if (run.scrolled) PrintPageDown(run.pageDown);
    std::printf("\n");
  }
  std::fflush(stdout);
}

}  // namespace bench
