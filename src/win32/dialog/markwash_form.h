// TMarkwashForm: the plug-in's one modal dialog, as a shell. It is a real
// dialog window (the dialog manager gives keyboard navigation and the default
// button) with the controls of the layout table and a message loop of its own
// that keeps the host's windows disabled while it is open. The subsystems are
// parts that register their handlers through FormSite; an error raised in a
// handler is shown in an error box and the dialog goes on.
#pragma once
#include <windows.h>

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/common/text_lines.h"
#include "core/common/wait_cursor.h"
#include "win32/common/error_report.h"
#include "win32/dialog/control_set.h"
#include "win32/dialog/form_site.h"
#include "win32/dialog/screen_cursor.h"

namespace markwash::win32 {

enum ModalResult { kModalNone = 0, kModalOk = 1, kModalCancel = 2 };

class TMarkwashForm : public FormSite, private ErrorDisplay {
 public:
  TMarkwashForm();
  ~TMarkwashForm();
  TMarkwashForm(const TMarkwashForm&) = delete;
  TMarkwashForm& operator=(const TMarkwashForm&) = delete;

  // Makes a part that registers its handlers with this form; the form keeps it.
  template <typename Part, typename... Args>
  Part& Add(Args&&... args) {
    auto part = std::make_unique<Part>(static_cast<FormSite&>(*this), std::forward<Args>(args)...);
    Part& added = *part;
    parts_.push_back(std::move(part));
    return added;
  }

  void SetInputText(std::string_view text) { inputLines_ = SplitLines(text); }
  int ShowModal();
  // The text handed back on OK: the output of the last run, else the input.
  std::string ResultText() const;

  // The windows, for the parts that lay them out or store their state.
  ControlSet& Controls() { return controls_; }

  // FormSite
  HWND Window() const override { return window_; }
  HWND Control(ControlId id) const override { return controls_.Get(id); }
  HWND Sender() const override { return sender_; }
  void OnClick(ControlId id, Handler handler) override;
  void OnNotification(ControlId id, int code, Handler handler) override;
  void OnEvent(FormEvent event, Handler handler) override;
  void Click(ControlId id) override;
  void Post(Handler handler) override;
  void ActivatePage(ControlId sheet) override;
  ControlId ActivePage() const override;
  void SetShowCommand(int command) override { showCommand_ = command; }
  int Ask(HWND owner, const std::wstring& text, UINT flags) override;
  void ShowError(const std::string& text) override;
  void MuteNotifications(bool muted) override { muted_ += muted ? 1 : -1; }
  WaitCursor& Cursor() override { return waitCursor_; }
  HFONT LabelFont(bool bold) const override { return bold ? controls_.BoldFont() : controls_.NormalFont(); }
  TextLines& InputLines() override { return inputLines_; }
  TextLines& OutputLines() override { return outputLines_; }

 private:
  // Handlers queued by Post wait for this message.
  static constexpr UINT kRunPosted = WM_APP + 40;
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The one error boundary: every handler runs through here.
  void Dispatch(const Handler& handler);
  void RunEvent(FormEvent event);
  void OnCommand(int id, int code);
  void OnNotify(const NMHDR& header);
  void EndModal(int result) { modalResult_ = result; }

  // Event handlers of the shell itself.
  void FormCreate();
  void FormDestroy();
  void bOKClick() { EndModal(kModalOk); }
  void bCancelClick() { EndModal(kModalCancel); }

  HWND window_ = nullptr;
  ControlSet controls_;
  ScreenCursor screenCursor_;
  WaitCursor waitCursor_{screenCursor_};
  TextLines inputLines_;
  TextLines outputLines_;
  int modalResult_ = kModalNone;
  int showCommand_ = SW_SHOWNORMAL;
  bool shown_ = false;
  int muted_ = 0;
  std::map<ControlId, std::vector<Handler>> clickHandlers_;
  std::map<std::pair<ControlId, int>, std::vector<Handler>> notificationHandlers_;
  std::map<FormEvent, std::vector<Handler>> eventHandlers_;
  std::deque<Handler> posted_;
  HWND sender_ = nullptr;  // the control whose click is being handled
  std::vector<std::unique_ptr<FormPart>> parts_;
  ErrorDisplayScope errorDisplay_{*this};  // errors of our window procedures show in this form
};

}  // namespace markwash::win32
