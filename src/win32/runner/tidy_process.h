// One run of Tidy.exe on temporary files: the document and Tidy's message
// file are made here, the run configuration is the caller's. The run is
// synchronous, but while waiting the thread keeps its windows painted (it
// takes no input), and a Tidy that does not end can be stopped.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "core/common/error.h"
#include "core/common/text_lines.h"

namespace markwash::win32 {

// How long Tidy may run before the user is asked whether to stop it, and
// again after each "No".
inline constexpr DWORD kHungTidyQuestionAfterMs = 30000;

// Asked with the seconds Tidy has run so far; true stops it.
using StopTidyQuestion = std::function<bool(unsigned seconds)>;

// Raised when Tidy ended normally but its document cannot be handed to the
// host (it holds a NUL byte): the output offered before the run stays.
class OutputNotOffered : public Error {
 public:
  using Error::Error;
};

// Runs "<tidy> -config <config> -modify -f <messages> <document>" on the input
// lines. On a normal end (exit code 0, 1 or 2) `output` receives the rewritten
// document, and Tidy's messages followed by what it wrote to standard error
// are added to `messages`. A start that fails raises the system error naming the
// program; an abnormal end or a stop raises an Error, output with a NUL byte
// an OutputNotOffered; `output` is then unchanged and `messages` holds
// whatever Tidy reported. A Tidy that ends while the stop question is open
// keeps its result. The temporary files are gone on every path, or listed
// as leftovers (temp_file.h).
void RunTidy(const std::string& tidyPath, const std::string& configFile, int showCommand, const LineBlock& input,
             LineBlock& output, LineBlock& messages, const StopTidyQuestion& askStop);

}  // namespace markwash::win32
