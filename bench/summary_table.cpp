#include "summary_table.h"

#include <algorithm>
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

constexpr const wchar_t* kModeNames[] = {L"timed", L"memory", L"pgdn"};

// The runs of one document, taken together.
struct DocumentFigures {
  DocumentKind kind = DocumentKind::kClean;
  double megabytes = 0;
  long messageLines = 0;
  double bestPlugin = -1, worstPlugin = -1, bestTidy = -1, worstTidy = -1;
  double pluginAround = -1, tidyAround = -1, unused = -1;  // the least of each
  int timedRuns = 0;
  double memoryMultiple = 0;
  bool scrolled = false;
  PageDownFigures pageDown;
};

void KeepBest(double value, double& best, double& worst) {
  if (value <= 0) return;
  best = best < 0 ? value : std::min(best, value);
  worst = std::max(worst, value);
}

std::vector<DocumentFigures> ByDocument(const std::vector<RunFigures>& runs) {
  std::vector<DocumentFigures> documents;
  for (const RunFigures& run : runs) {
    auto same = std::find_if(documents.begin(), documents.end(), [&](const DocumentFigures& d) {
      return d.kind == run.kind && static_cast<int>(d.megabytes) == static_cast<int>(run.megabytes);
    });
    if (same == documents.end()) {
      DocumentFigures added;
      added.kind = run.kind;
      added.megabytes = run.megabytes;
      same = documents.insert(documents.end(), added);
    }
    DocumentFigures& d = *same;
    d.messageLines = std::max(d.messageLines, run.messageLines);
    KeepBest(run.tidySeconds, d.bestTidy, d.worstTidy);
    KeepBest(run.tidyAroundSeconds, d.tidyAround, d.unused);
    if (run.mode == RunMode::kTimed) {
      KeepBest(run.pluginSeconds, d.bestPlugin, d.worstPlugin);
      KeepBest(run.pluginAroundSeconds, d.pluginAround, d.unused);
      ++d.timedRuns;
    }
    if (run.mode == RunMode::kMemory) d.memoryMultiple = std::max(d.memoryMultiple, run.memoryMultiple);
    if (run.mode == RunMode::kPageDown) {
      d.scrolled = true;
      d.pageDown = run.pageDown;
    }
  }
  return documents;
}

}  // namespace

const wchar_t* ModeName(RunMode mode) { return kModeNames[static_cast<int>(mode)]; }

bool ModeFromName(const std::wstring& name, RunMode* mode) {
  for (RunMode m : {RunMode::kTimed, RunMode::kMemory, RunMode::kPageDown}) {
    if (name == ModeName(m)) {
      *mode = m;
      return true;
    }
  }
  return false;
}

bool AppendFigures(const std::wstring& path, const RunFigures& run) {
  ScopedFile file = OpenFile(path, L"a");
  if (!file) return false;
  const PageDownFigures& keys = run.pageDown;
  std::fprintf(file.get(), "%s %.6f %ld %.6f %.6f %.6f %d %d %d %d %.6f %.6f %d %.3f %.6f %.6f\n", KindName(run.kind),
               run.megabytes, run.messageLines, run.pluginSeconds, run.tidySeconds, run.memoryMultiple,
               static_cast<int>(run.mode), keys.viewFound ? 1 : 0, keys.focused ? 1 : 0, keys.keys, keys.slowestMs,
               keys.meanMs, keys.reachedEnd ? 1 : 0, keys.shownPercent, run.pluginAroundSeconds, run.tidyAroundSeconds);
  return std::fclose(file.release()) == 0;
}

std::vector<RunFigures> ReadFigures(const std::wstring& path) {
  std::vector<RunFigures> runs;
  ScopedFile file = OpenFile(path, L"r");
  if (!file) return runs;
  char kind[16];
  RunFigures run;
  int mode, found, focused, reachedEnd;
  PageDownFigures& keys = run.pageDown;
  while (std::fscanf(file.get(), "%15s %lf %ld %lf %lf %lf %d %d %d %d %lf %lf %d %lf %lf %lf", kind, &run.megabytes,
                     &run.messageLines, &run.pluginSeconds, &run.tidySeconds, &run.memoryMultiple, &mode, &found,
                     &focused, &keys.keys, &keys.slowestMs, &keys.meanMs, &reachedEnd, &keys.shownPercent,
                     &run.pluginAroundSeconds, &run.tidyAroundSeconds) == 16) {
    if (!KindFromName(kind, &run.kind)) continue;
    if (mode < 0 || mode > static_cast<int>(RunMode::kPageDown)) continue;
    run.mode = static_cast<RunMode>(mode);
    keys.viewFound = found != 0;
    keys.focused = focused != 0;
    keys.reachedEnd = reachedEnd != 0;
    runs.push_back(run);
  }
  return runs;
}

void PrintSummary(const std::vector<RunFigures>& runs) {
  std::printf("\nAgainst the targets (ratio = best plug-in run / best run of Tidy alone, the slowest of each in"
              " brackets; added = what the plug-in's run adds to the Tidy process's life, less what starting Tidy"
              " alone adds to it, against the best run of Tidy alone; memory = host peak above its level before"
              " pluginStart, in document sizes; PgDn in ms per key)\n");
  std::printf("%-8s %6s %9s %4s %17s %17s %7s %7s %-3s %14s %8s %7s %-3s %6s %10s %8s %7s\n", "document", "MB",
              "msg lines", "runs", "plug-in s", "Tidy s", "ratio", "target", "", "added", "memory", "target", "",
              "keys", "slowest", "mean", "target");
  for (const DocumentFigures& d : ByDocument(runs)) {
    RunFigures like;
    like.kind = d.kind;
    like.megabytes = d.megabytes;
    const double ratio = d.bestTidy > 0 ? d.bestPlugin / d.bestTidy : 0;
    const double ratioTarget = RatioTarget(like), memoryTarget = MemoryTarget(like);
    const double addedMs = d.pluginAround > 0 && d.tidyAround > 0 ? 1000 * (d.pluginAround - d.tidyAround) : 0;
    std::printf("%-8s %6.2f %9ld %4d %7.3f (%7.3f) %7.3f (%7.3f) %7.3f %7s %-3s %5.0f ms %5.1f%% %7.2fx %7s %-3s",
                KindName(d.kind), d.megabytes, d.messageLines, d.timedRuns, d.bestPlugin, d.worstPlugin, d.bestTidy,
                d.worstTidy, ratio, TargetText(ratioTarget, "<=%.2f").c_str(), Verdict(ratio, ratioTarget), addedMs,
                d.bestTidy > 0 ? addedMs / (10 * d.bestTidy) : 0.0, d.memoryMultiple,
                TargetText(memoryTarget, "<=%.0fx").c_str(), Verdict(d.memoryMultiple, memoryTarget));
    if (d.scrolled) PrintPageDown(d.pageDown);
    std::printf("\n");
  }
  std::fflush(stdout);
}

}  // namespace bench
