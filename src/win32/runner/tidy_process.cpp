#include "win32/runner/tidy_process.h"

#include "core/common/error.h"
#include "core/runner/command_line.h"
#include "core/runner/run_outcome.h"
#include "core/runner/tidy_exit.h"
#include "win32/common/system_error.h"
#include "win32/common/text_encoding.h"
#include "win32/common/unique_handle.h"
#include "win32/common/ansi_files.h"
#include "win32/runner/console_program.h"
#include "win32/runner/document_file.h"
#include "win32/runner/temp_file.h"

namespace markwash::win32 {
namespace {

// Paint and sent messages only: the dialog stays drawn, but no click or key
// reaches it while Tidy runs.
void DispatchPaintMessages() {
  MSG msg;
  for (int i = 0; i < 256 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT); ++i)
    ::DispatchMessageW(&msg);
}

// Clicks and keys given while Tidy ran were meant for a busy dialog.
void DiscardInputGivenMeanwhile() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
  }
  while (::PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
}

// Waits for the process; false when the user chose to stop it.
bool WaitForTidy(HANDLE process, const StopTidyQuestion& askStop) {
  const DWORD start = ::GetTickCount();
  DWORD nextQuestion = kHungTidyQuestionAfterMs;
  for (;;) {
    const DWORD elapsed = ::GetTickCount() - start;
    const DWORD timeout = elapsed >= nextQuestion ? 0 : nextQuestion - elapsed;
    const DWORD woke = ::MsgWaitForMultipleObjects(1, &process, FALSE, timeout, QS_PAINT | QS_SENDMESSAGE);
    if (woke == WAIT_OBJECT_0) break;
    if (woke == WAIT_OBJECT_0 + 1) {
      DispatchPaintMessages();
    } else if (woke == WAIT_TIMEOUT) {
      if (::WaitForSingleObject(process, 0) == WAIT_OBJECT_0) break;
      // Tidy may have ended while the question was open: its result stands.
      if (askStop && askStop((::GetTickCount() - start) / 1000))
        return ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
      nextQuestion = (::GetTickCount() - start) + kHungTidyQuestionAfterMs;
    } else {
      RaiseLastSystemError();
    }
  }
  DiscardInputGivenMeanwhile();
  return true;
}


}  // namespace

void RunTidy(const std::string& tidyPath, const std::string& configFile, int showCommand, const LineBlock& input,
             LineBlock& output, LineBlock& messages, const StopTidyQuestion& askStop) {
  TempFile document("HTML");
  WriteLinesToFile(document.name(), input);
  TempFile messageFile("Error");
  TempFile stderrFile("Std");
  const std::string commandLine = BuildTidyCommandLine(tidyPath, configFile, messageFile.name(), document.name());
  // Tidy writes its document and messages to files; standard error goes to
  // a file of its own for the messages page.
  UniqueKernelHandle tidy = StartConsoleProgram(tidyPath, commandLine, showCommand, "", stderrFile.name());
  if (!WaitForTidy(tidy.get(), askStop)) {
    ::TerminateProcess(tidy.get(), 1);
    // Its files can only be deleted once it has really gone.
    ::WaitForSingleObject(tidy.get(), 10000);
    throw Error(Utf8ToAnsi(StoppedTidyText()));
  }
  DWORD exitCode = 0;
  if (!::GetExitCodeProcess(tidy.get(), &exitCode)) RaiseLastSystemError();
  tidy = {};
  // What Tidy said comes first: it may explain why its document is not
  // offered (half-written after an abnormal end, or unfit for the host).
  ReadFileLines(messageFile.name(), messages);
  ReadFileLines(stderrFile.name(), messages);
  if (!IsNormalTidyExit(exitCode)) throw Error(Utf8ToAnsi(AbnormalTidyExitText(exitCode)));
  LineBlock rewritten;
  if (ReadFileLines(document.name(), rewritten)) throw OutputNotOffered(Utf8ToAnsi(NulInOutputText()));
  output = std::move(rewritten);
}

}  // namespace markwash::win32
