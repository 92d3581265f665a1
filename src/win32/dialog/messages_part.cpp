#include "win32/dialog/messages_part.h"

#include "win32/common/text_encoding.h"
#include "win32/dialog/message_view.h"
#include "win32/dialog/source_view.h"

namespace markwash::win32 {

MessagesPart::MessagesPart(FormSite& site) : site_(site) {
  TMessageView::Of(site.Control(ControlId::mErrors))->Attach(&site.MessageLines());
  // The host's text is handed over after the parts are made.
  site.OnEvent(FormEvent::Show,
               [this] { TSourceView::Of(site_.Control(ControlId::mSource))->Attach(&site_.InputLines()); });
  site.OnNotification(ControlId::mErrors, kMessageCurrentChanged, [this] { mErrorsCurrentChanged(); });
  site.OnNotification(ControlId::mErrors, kMessageOpened, [this] { mErrorsOpened(); });
  site.OnNotification(ControlId::mSource, kSourceLeft, [this] { mSourceLeft(); });
}

void MessagesPart::mErrorsCurrentChanged() {
  const TMessageView* messages = TMessageView::Of(site_.Control(ControlId::mErrors));
  HWND label = site_.Control(ControlId::lSourcePosition);
  // New messages: nothing is current, so the label names no place.
  if (!messages->CurrentMessage()) {
    ::SetWindowTextW(label, L"");
    return;
  }
  // A message that names no place leaves the preview where it is.
  const auto position = messages->CurrentPosition();
  if (!position) return;
  TSourceView::Of(site_.Control(ControlId::mSource))->ShowPosition(*position);
  ::SetWindowTextW(label, Utf8ToWide(PositionLabel(*position)).c_str());
}

void MessagesPart::mErrorsOpened() { Focus(ControlId::mSource); }

void MessagesPart::mSourceLeft() { Focus(ControlId::mErrors); }

void MessagesPart::Focus(ControlId id) const {
  ::SendMessageW(site_.Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(site_.Control(id)), TRUE);
}

}  // namespace markwash::win32
