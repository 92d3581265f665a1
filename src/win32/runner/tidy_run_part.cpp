// "&Tidy starten": the option set and the document go to Tidy.exe through
// temporary files, its output to the output page and its messages to the
// messages page, which comes to the front with the focus on "O&K". Without a
// usable Tidy.exe the click leads the user to locate it instead.
//
// Filling a memo with a large text takes the edit control far longer than
// Tidy takes for the document, so the output page is filled when it is first
// shown after a run: "O&K" need not wait for a page the user may never open.
#include "core/common/error.h"
#include "core/runner/tidy_exit.h"
#include "win32/common/file_system.h"
#include "win32/common/text_encoding.h"
#include "win32/dialog/markwash_form.h"
#include "win32/plugin/module.h"
#include "win32/runner/temp_file.h"
#include "win32/runner/tidy_process.h"

namespace markwash::win32 {
namespace {

constexpr int kTidyShowCommand = SW_SHOWMINNOACTIVE;
constexpr WPARAM kUnlimitedText = 0x7FFFFFFE;
constexpr int kMessagesPage = 1;  // tsError, "Meldungen"

// The lines as UTF-16 with CR LF after each, converted in place so that a
// large document is not held once more as joined 8-bit text.
std::wstring WideTextOf(const TextLines& lines) {
  size_t total = 0;
  for (const std::string& line : lines) {
    if (!line.empty())
      total += static_cast<size_t>(
          ::MultiByteToWideChar(CP_ACP, 0, line.data(), static_cast<int>(line.size()), nullptr, 0));
    total += 2;
  }
  std::wstring text(total, L'\0');
  size_t at = 0;
  for (const std::string& line : lines) {
    if (!line.empty())
      at += static_cast<size_t>(::MultiByteToWideChar(CP_ACP, 0, line.data(), static_cast<int>(line.size()),
                                                      text.data() + at, static_cast<int>(total - at)));
    text[at++] = L'\r';
    text[at++] = L'\n';
  }
  text.resize(at);
  return text;
}

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

void TMarkwashForm::bRunTidyClick() {
  if (tidyRunning_) return;
  if (!FileExists(optionSets_->TidyPath())) {
    AskForTidyLocation();  // the run itself needs another click
    return;
  }
  RunningFlag running(tidyRunning_);
  BeepWhenDone beep;
  WaitCursorScope wait(waitCursor_);
  TempFile config("cfg");
  optionSets_->SaveOptionSet(config.name());
  TextLines messages;
  try {
    RunTidy(optionSets_->TidyPath(), config.name(), kTidyShowCommand, InputLines, OutputLines, messages,
            [this](unsigned seconds) { return AskStopTidy(seconds); });
  } catch (...) {
    // What Tidy said before it failed may explain the failure.
    if (!messages.empty()) ShowRunMessages(messages);
    throw;
  }
  ShowRunMessages(messages);
  // The output page shows nothing of an earlier run while it waits.
  SetMemoText(Control("mOutput"), L"");
  outputPending_ = true;
  mOutputChange();
  ActivatePage(kMessagesPage);
  HWND ok = Control("bOK");
  if (::IsWindowEnabled(ok)) ::SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ok), TRUE);
}

bool TMarkwashForm::AskStopTidy(unsigned seconds) {
  return ::MessageBoxW(window_, Utf8ToWide(HungTidyQuestionText(seconds)).c_str(), Utf8ToWide(kFormCaption).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void TMarkwashForm::ShowRunMessages(const TextLines& messages) {
  SetMemoText(Control("mErrors"), WideTextOf(messages));
}

void TMarkwashForm::ShowPendingRunOutput() {
  if (!outputPending_ || ActivePageName() != "tsOut") return;
  outputPending_ = false;
  ShowRunOutput();
}

void TMarkwashForm::ShowRunOutput() {
  HWND memo = Control("mOutput");
  const std::wstring notice = LoadResourceString(kOutputTooLargeNotice);
  try {
    SetMemoText(memo, notice);
    // A memo that cannot hold the text keeps showing the notice; the text
    // still goes back to the host on OK.
    if (!SetMemoText(memo, WideTextOf(OutputLines))) SetMemoText(memo, notice);
  } catch (...) {
    SetMemoText(memo, notice);
  }
  mOutputChange();  // a multi-line edit does not report text set by code
}

void TMarkwashForm::mOutputChange() { ::EnableWindow(Control("bOK"), !OutputLines.empty()); }

}  // namespace markwash::win32
