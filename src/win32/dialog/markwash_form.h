// TMarkwashForm: the plug-in's one modal dialog, as a shell. It is a real
// dialog window (the dialog manager gives keyboard navigation and the default
// button) with the controls of the layout table and a message loop of its own
// that keeps the host's windows disabled while it is open. The subsystems are
// parts that register their handlers through FormSite; an error raised in a
// handler is shown in an error box and the dialog goes on.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/common/text_lines.h"
#include "win32/common/error_report.h"
#include "win32/dialog/control_set.h"
#include "win32/dialog/form_site.h"

namespace markwash::win32 {

enum ModalResult { kModalNone = 0, kModalOk = 1, kModalCancel = 2 };

class TMarkwashForm : public FormSite {
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

  // The host's text, split into lines; its bytes are kept in a temporary
  // file rather than a second time in the host's memory, where the
  // temporary folder can take them.
  void SetInputText(std::string_view text);
  int ShowModal();
  // OK hands the output of the last run, else the input, to this handler,
  // which may take its text, before the dialog closes; an error it raises
  // keeps the dialog open.
  void OnAccept(std::function<void(LineBlock&)> accept) { accept_ = std::move(accept); }

  // The windows, for the parts that lay them out or store their state.
  ControlSet& Controls() { return controls_; }

  HWND Window() const override { return window_; }
  HWND Control(ControlId id) const override { return controls_.Get(id); }
  void ActivatePage(ControlId sheet) override;
  ControlId ActivePage() const override;
  void SetLiveHint(ControlId id, std::function<std::wstring()> text) override {
    controls_.Hints().SetLiveText(Control(id), std::move(text));
  }
  HFONT LabelFont(bool bold) const override { return bold ? controls_.BoldFont() : controls_.NormalFont(); }

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code);
  void OnNotify(const NMHDR& header);
  void EndModal(int result) { modalResult_ = result; }
  // Keyboard ways through the dialog (form_keyboard.cpp): the answer to a
  // request for the next or previous control (false: leave it to the dialog
  // manager), and the page keys, taken before the dialog manager sees them.
  bool NextControlRequested(WPARAM wParam, LPARAM lParam);
  bool PageKeyDown(const MSG& msg);

  // Event handlers of the shell itself.
  void FormCreate();
  void FormDestroy();
  void bOKClick();
  void bCancelClick() { EndModal(kModalCancel); }

  HWND window_ = nullptr;
  ControlSet controls_;
  int modalResult_ = kModalNone;
  bool shown_ = false;
  std::function<void(LineBlock&)> accept_;
  std::vector<std::unique_ptr<FormPart>> parts_;
  std::optional<ErrorBoxOwner> errorBoxOwner_;  // errors of our window procedures show over this form
};

}  // namespace markwash::win32
