// "&Tidy starten": the option set and the document go to Tidy.exe through
// temporary files, its output to the output page and its messages to the
// messages page, which comes to the front with the focus on "O&K". Without a
// usable Tidy.exe the click leads the user to locate it instead.
//
// Filling a memo with a large text takes the edit control far longer than
// Tidy takes for the document, so the output page is filled when it is first
// shown after a run: "O&K" need not wait for a page the user may never open.
#include "win32/runner/tidy_run_part.h"

#include "core/common/error.h"
#include "core/runner/run_outcome.h"
#include "core/runner/tidy_exit.h"
#include "win32/common/file_system.h"
#include "win32/common/module.h"
#include "win32/common/text_encoding.h"
#include "win32/dialog/message_view.h"
#include "win32/runner/run_configuration_file.h"
#include "win32/runner/temp_file.h"
#include "win32/runner/tidy_process.h"

namespace markwash::win32 {
namespace {

constexpr int kTidyShowCommand = SW_SHOWMINNOACTIVE;
constexpr WPARAM kUnlimitedText = 0x7FFFFFFE;

// True when the memo took the whole text.
bool SetMemoText(HWND memo, const std::wstring& text) {
  ::SendMessageW(memo, EM_SETLIMITTEXT, kUnlimitedText, 0);
  return ::SendMessageW(memo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != FALSE &&
         static_cast<size_t>(::GetWindowTextLengthW(memo)) == text.size();
}

// The beep that ends every run, after the cursor is back.
struct BeepWhenDone {
  ~BeepWhenDone() { ::MessageBeep(0); }
};

// Only one run at a time, also when a queued click arrives during a question.
class RunningFlag {
 public:
  explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningFlag() { flag_ = false; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;

 private:
  bool& flag_;
};

}  // namespace

TidyRunPart::TidyRunPart(FormSite& site, OptionsPart& options) : site_(site), options_(options) {
  site.OnClick(ControlId::bRunTidy, [this] { bRunTidyClick(); });
  site.OnClick(ControlId::lTidyPath, [this] { lTidyPathClick(); });
  site.OnEvent(FormEvent::PagesChange, [this] { ShowPendingRunOutput(); });
  site.OnEvent(FormEvent::PagesChange, [this] { ShowTidyInUse(); });
  site.OnEvent(FormEvent::Opened, [this] { AskTidyVersionEarly(); });
  site.SetLiveHint(ControlId::lTidyPath, [this] { return TidyPathHint(); });
}

void TidyRunPart::bRunTidyClick() {
  if (tidyRunning_) return;
  // The program checked is the program run: a bare name would be looked up
  // in the host's folder first.
  const std::string tidy = FullPathName(options_.TidyPath());
  if (!FileExists(tidy)) {
    AskForTidyLocation();  // the run itself needs another click
    return;
  }
  RunningFlag running(tidyRunning_);
  BeepWhenDone beep;
  WaitCursorScope wait(site_.Cursor());
  LineBlock& output = site_.OutputLines();
  LineBlock messages;
  std::string error;
  bool keepEarlierOutput = false;
  try {
    TempFile config("cfg");
    options_.SaveOptionSet(config.name());
    // The plug-in's own notes about the run come before what Tidy said.
    const TidyKind kind = tidyVersions_.Known(tidy).kind;
    for (const std::string& note : AdaptRunConfiguration(config.name(), kind)) messages.AddLine(note);
    RunTidy(tidy, config.name(), kTidyShowCommand, site_.InputLines(), output, messages,
            [this](unsigned seconds) { return AskStopTidy(seconds); });
  } catch (const OutputNotOffered& e) {
    error = e.what();
    keepEarlierOutput = true;
  } catch (const std::exception& e) {
    error = e.what();
  }
  if (!error.empty()) messages = MessagesOfFailedRun(std::move(messages), error);
  for (const std::string& left : TakeNewTempLeftovers()) messages.AddLine(Utf8ToAnsi(kTempFileLeftText) + left);
  ShowRunMessages(std::move(messages));
  if (error.empty() || !keepEarlierOutput) {
    // What "O&K" returns is what the output page shows: nothing after a failure.
    if (!error.empty()) output.clear();
    // The output page shows nothing of an earlier run while it waits.
    SetMemoText(site_.Control(ControlId::mOutput), L"");
    outputPending_ = !output.empty();
    mOutputChange();
  }
  site_.ActivatePage(ControlId::tsError);
  if (!error.empty()) throw Error(error);
  HWND ok = site_.Control(ControlId::bOK);
  if (::IsWindowEnabled(ok)) ::SendMessageW(site_.Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ok), TRUE);
}

bool TidyRunPart::AskStopTidy(unsigned seconds) {
  return site_.Ask(site_.Window(), Utf8ToWide(HungTidyQuestionText(seconds)), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void TidyRunPart::ShowRunMessages(LineBlock messages) {
  site_.MessageLines() = std::move(messages);
  if (TMessageView* view = TMessageView::Of(site_.Control(ControlId::mErrors))) view->LinesChanged();
}

void TidyRunPart::ShowPendingRunOutput() {
  if (!outputPending_ || site_.ActivePage() != ControlId::tsOut) return;
  outputPending_ = false;
  ShowRunOutput();
}

void TidyRunPart::ShowRunOutput() {
  HWND memo = site_.Control(ControlId::mOutput);
  const std::wstring notice = LoadResourceString(kOutputTooLargeNotice);
  try {
    SetMemoText(memo, notice);
    // A memo that cannot hold the text keeps showing the notice; the text
    // still goes back to the host on OK.
    if (!SetMemoText(memo, AnsiToWide(site_.OutputLines().Joined()))) SetMemoText(memo, notice);
  } catch (...) {
    SetMemoText(memo, notice);
  }
  mOutputChange();  // a multi-line edit does not report text set by code
}

void TidyRunPart::mOutputChange() { ::EnableWindow(site_.Control(ControlId::bOK), !site_.OutputLines().empty()); }

}  // namespace markwash::win32
