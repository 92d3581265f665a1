// What a part of the dialog sees of the form: its window and controls by
// layout id, its pages, the events it can handle, questions and the error
// display. A part registers its handlers when it is made; the form runs the
// handlers of one event in the order they were registered, each behind the
// form's one error boundary.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "core/common/text_lines.h"
#include "core/common/wait_cursor.h"
#include "core/dialog/layout_table.h"

namespace markwash::win32 {

enum class FormEvent {
  Show,           // before the dialog is first visible
  Resize,         // once shown, at every change of size (and once right after showing)
  PagesChanging,  // while the page control still shows the old page
  PagesChange,    // once it shows the new one
  Close,          // the modal loop has ended
  Destroy,        // the form is being destroyed
};

// A subsystem of the dialog. The form owns its parts and destroys them only
// after its destroy handlers have run.
class FormPart {
 public:
  virtual ~FormPart() = default;
};

class FormSite {
 public:
  using Handler = std::function<void()>;

  virtual HWND Window() const = 0;
  virtual HWND Control(ControlId id) const = 0;
  // The control whose click is being handled, nullptr outside of a click.
  virtual HWND Sender() const = 0;

  // Several controls may share one handler: register it for each.
  virtual void OnClick(ControlId id, Handler handler) = 0;
  // A notification other than a click (CBN_EDITCHANGE, ...).
  virtual void OnNotification(ControlId id, int code, Handler handler) = 0;
  virtual void OnEvent(FormEvent event, Handler handler) = 0;

  // Runs a control's click handlers now, as a click would; errors go to the caller.
  virtual void Click(ControlId id) = 0;
  // Runs the handler after the messages queued so far, behind the error boundary.
  virtual void Post(Handler handler) = 0;

  // A page switch from code runs the same change handlers as a click on a tab.
  virtual void ActivatePage(ControlId sheet) = 0;
  virtual ControlId ActivePage() const = 0;
  // The command that shows the window: the restored state may ask for maximized.
  virtual void SetShowCommand(int command) = 0;

  // A question box titled with the dialog's caption; the answer's id.
  virtual int Ask(HWND owner, const std::wstring& text, UINT flags) = 0;
  virtual void ShowError(const std::string& text) = 0;

  // While muted, notifications from the controls are the code's own changes
  // and run no handler. Calls nest.
  virtual void MuteNotifications(bool muted) = 0;

  virtual WaitCursor& Cursor() = 0;
  virtual HFONT LabelFont(bool bold) const = 0;
  // The host's text and the output of the last run.
  virtual TextLines& InputLines() = 0;
  virtual TextLines& OutputLines() = 0;

 protected:
  ~FormSite() = default;
};

// Mutes the form's notifications for its lifetime.
class MutedNotifications {
 public:
  explicit MutedNotifications(FormSite& site) : site_(site) { site_.MuteNotifications(true); }
  ~MutedNotifications() { site_.MuteNotifications(false); }
  MutedNotifications(const MutedNotifications&) = delete;
  MutedNotifications& operator=(const MutedNotifications&) = delete;

 private:
  FormSite& site_;
};

}  // namespace markwash::win32
