// What a part of the dialog sees of the form: its window and controls by
// layout id, its pages, the events it can handle, questions and the error
// display. A part registers its handlers when it is made; the form runs the
// handlers of one event in the order they were registered, each behind the
// form's one error boundary.
#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/common/text_lines.h"
#include "core/common/wait_cursor.h"
#include "core/dialog/layout_table.h"
#include "win32/common/mapped_text_copy.h"
#include "win32/dialog/screen_cursor.h"

namespace markwash::win32 {

enum class FormEvent {
  Show,           // before the dialog is first visible
  Resize,         // once shown, at every change of size (and once right after showing)
  Opened,         // once, when the shown dialog has painted: work it may start before the user acts
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
  HWND Sender() const { return sender_; }

  // Several controls may share one handler: register it for each.
  void OnClick(ControlId id, Handler handler) { clickHandlers_[id].push_back(std::move(handler)); }
  // A notification other than a click (CBN_EDITCHANGE, ...).
  void OnNotification(ControlId id, int code, Handler handler) {
    notificationHandlers_[{id, code}].push_back(std::move(handler));
  }
  void OnEvent(FormEvent event, Handler handler) { eventHandlers_[event].push_back(std::move(handler)); }

  // Runs a control's click handlers now, as a click would; errors go to the caller.
  void Click(ControlId id);
  // Runs the handler after the messages queued so far, behind the error boundary.
  void Post(Handler handler);
  // Queues a click on a button, handled once the current handler has returned.
  void PostClick(ControlId id) const { ::PostMessageW(Control(id), BM_CLICK, 0, 0); }

  // A page switch from code runs the same change handlers as a click on a tab,
  // and stays where it is when the page being left refuses.
  virtual void ActivatePage(ControlId sheet) = 0;
  // The active tab sheet; Pages itself while no page is selected.
  virtual ControlId ActivePage() const = 0;
  // The command that shows the window: the restored state may ask for maximized.
  void SetShowCommand(int command) { showCommand_ = command; }

  // A question box titled with the dialog's caption; the answer's id.
  int Ask(HWND owner, const std::wstring& text, UINT flags) const;

  // While muted, notifications from the controls are the code's own changes
  // and run no handler. Calls nest.
  void MuteNotifications(bool muted) { muted_ += muted ? 1 : -1; }

  // A hint whose text is asked for each time it is about to show.
  virtual void SetLiveHint(ControlId id, std::function<std::wstring()> text) = 0;

  WaitCursor& Cursor() { return waitCursor_; }
  virtual HFONT LabelFont(bool bold) const = 0;
  // The host's text and the output of the last run.
  LineBlock& InputLines() { return inputLines_; }
  LineBlock& OutputLines() { return outputLines_; }
  // The messages of the last run, as the messages page shows and prints them.
  LineBlock& MessageLines() { return messageLines_; }

 protected:
  // Handlers queued by Post wait for this message.
  static constexpr UINT kRunPosted = WM_APP + 40;

  ~FormSite() = default;
  // The one error boundary: every handler runs through here. False when an
  // error was shown.
  static bool Dispatch(const Handler& handler);
  // False when a handler failed: a page that cannot be left refuses so.
  bool RunEvent(FormEvent event);
  void RunNotification(ControlId id, int code);
  void RunPosted();

  // Where the host's text lies (see SetInputText); goes after the lines that read it.
  MappedTextCopy inputCopy_;
  LineBlock inputLines_;
  LineBlock outputLines_;
  LineBlock messageLines_;
  int showCommand_ = SW_SHOWNORMAL;
  int muted_ = 0;

 private:
  HWND sender_ = nullptr;
  ScreenCursor screenCursor_;
  WaitCursor waitCursor_{screenCursor_};
  std::map<ControlId, std::vector<Handler>> clickHandlers_;
  std::map<std::pair<ControlId, int>, std::vector<Handler>> notificationHandlers_;
  std::map<FormEvent, std::vector<Handler>> eventHandlers_;
  std::deque<Handler> posted_;
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
