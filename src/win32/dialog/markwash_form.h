// TMarkwashForm: the plug-in's one modal dialog. It is a real dialog window
// (the dialog manager gives keyboard navigation and the default button) with
// a message loop of its own that keeps the host's windows disabled while it
// is open. Every event reaches a handler named after control and event; an
// error raised in a handler is shown in an error box and the dialog goes on.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/common/text_lines.h"
#include "core/common/wait_cursor.h"
#include "win32/dialog/control_set.h"
#include "win32/dialog/screen_cursor.h"
#include "win32/options/form_option_sets.h"
#include "win32/runner/browse_for_folder_dialog.h"

namespace markwash::win32 {

class TFormStorage;

enum ModalResult { kModalNone = 0, kModalOk = 1, kModalCancel = 2 };

class TMarkwashForm {
 public:
  TMarkwashForm();
  ~TMarkwashForm();
  TMarkwashForm(const TMarkwashForm&) = delete;
  TMarkwashForm& operator=(const TMarkwashForm&) = delete;

  void SetInputText(std::string_view text) { InputLines = SplitLines(text); }
  int ShowModal();
  // After OK: the block handed back to the host, the output of the last
  // run, else the input.
  const char* HandedBackText() const { return handedBack_; }

  HWND handle() const { return window_; }
  HWND Control(std::string_view name) const { return controls_.Get(name); }

  TextLines InputLines;
  TextLines OutputLines;
  std::string DefaultOptionFileName;

 private:
  using Handler = void (TMarkwashForm::*)();
  // Posted after a pick from the document type list, so that the rule sees
  // the combo's text only once it shows the picked item.
  static constexpr UINT kDocTypePicked = WM_APP + 40;
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Runs the handler; an error is shown and gives false.
  bool Dispatch(Handler handler);
  void ShowError(const std::string& text);
  void OnCommand(int id, int code);
  void OnNotify(const NMHDR& header);
  void WireEvents();
  void EndModal(int result) { modalResult_ = result; }
  // A page switch from code runs the same change handlers as a click on a tab,
  // and stays where it is when the page being left refuses.
  void ActivatePage(int index);
  void OnOptionCommand(std::string_view name, int code);
  // Runs the click handler wired to the control, if any, as a click would.
  void RunClickHandler(std::string_view name);
  std::string_view ActivePageName() const;
  // Keyboard ways through the dialog (form_keyboard.cpp): the answer to a
  // request for the next or previous control (false: leave it to the dialog
  // manager), and the page keys, taken before the dialog manager sees them.
  bool NextControlRequested(WPARAM wParam, LPARAM lParam);
  bool PageKeyDown(const MSG& msg);
  OptionFormSite MakeOptionFormSite();

  // Event handlers.
  void FormCreate();
  void FormDestroy();
  void bOKClick();
  void bCancelClick() { EndModal(kModalCancel); }
  void FormResize();
  void PagesChanging();
  void PagesChange();
  void bSaveOptionsClick();
  void bLoadOptionsClick();
  void bResetOptionsClick();
  void bAsDefaultOptionsClick();
  void cbWrapClick();
  void cbCleanClick();
  void cbAltTextClick();
  void cbInputXMLClick();
  void cbLogicalEmphasisClick();
  void cbDocTypeChange();
  // Links of the about page (form_about_links.cpp).
  void lAuthorEmailClick();
  void lAuthorHPClick();
  void lTidySFClick();
  // Locating and running Tidy (runner/form_locate_tidy.cpp, runner/form_tidy_run.cpp).
  void lTidyPathClick();
  void BrowseForFolderDialog1SelChanged();
  void BrowseForFolderDialog1CustomButtonClick();
  void bRunTidyClick();
  void mOutputChange();
  TBrowseForFolderDialog& FolderBrowser();
  void AskForTidyLocation();
  bool AskStopTidy(unsigned seconds);
  int AskUser(HWND owner, UINT textId, UINT flags);
  void ShowRunMessages(const TextLines& messages);
  void ShowRunOutput();
  void ShowPendingRunOutput();  // on arriving at the output page
  // Which Tidy the path label names (runner/form_tidy_version.cpp).
  std::wstring TidyPathHint();
  void ShowTidyInUse();  // on arriving at the about page
  void bPrintErrorsClick();

  // FormPlacement's own handlers of the show, close and destroy events.
  void FormPlacementShow();
  void FormPlacementClose();
  void FormPlacementDestroy();

  HWND window_ = nullptr;
  ControlSet controls_;
  ScreenCursor screenCursor_;
  WaitCursor waitCursor_{screenCursor_};
  std::string placementFileName_;
  std::unique_ptr<TFormStorage> FormPlacement;  // keeps the dialog's state in the placement file
  int modalResult_ = kModalNone;
  bool shown_ = false;
  std::unique_ptr<FormOptionSets> optionSets_;
  std::unique_ptr<TBrowseForFolderDialog> BrowseForFolderDialog1;
  bool tidyRunning_ = false;
  const char* handedBack_ = nullptr;
  bool outputPending_ = false;  // OutputLines not yet shown on the output page
  std::unordered_map<std::string_view, Handler> clickHandlers_;
  HWND sender_ = nullptr;  // the control whose event is being handled
};

}  // namespace markwash::win32
