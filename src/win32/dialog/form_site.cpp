#include "win32/dialog/form_site.h"

#include "win32/common/error_report.h"
#include "win32/common/text_encoding.h"

namespace markwash::win32 {

void FormSite::Click(ControlId id) {
  auto it = clickHandlers_.find(id);
  if (it == clickHandlers_.end()) return;
  HWND previous = std::exchange(sender_, Control(id));
  try {
    for (const Handler& handler : it->second) handler();
  } catch (...) {
    sender_ = previous;
    throw;
  }
  sender_ = previous;
}

void FormSite::Post(Handler handler) {
  posted_.push_back(std::move(handler));
  ::PostMessageW(Window(), kRunPosted, 0, 0);
}

int FormSite::Ask(HWND owner, const std::wstring& text, UINT flags) const {
  return ::MessageBoxW(owner, text.c_str(), Utf8ToWide(kFormCaption).c_str(), flags);
}

bool FormSite::Dispatch(const Handler& handler) {
  try {
    handler();
    return true;
  } catch (...) {
    ReportCurrentException();
  }
  return false;
}

bool FormSite::RunEvent(FormEvent event) {
  auto it = eventHandlers_.find(event);
  if (it == eventHandlers_.end()) return true;
  bool succeeded = true;
  for (const Handler& handler : it->second) succeeded = Dispatch(handler) && succeeded;
  return succeeded;
}

void FormSite::RunNotification(ControlId id, int code) {
  auto it = notificationHandlers_.find({id, code});
  if (it == notificationHandlers_.end()) return;
  for (const Handler& handler : it->second) Dispatch(handler);
}

void FormSite::RunPosted() {
  if (posted_.empty()) return;
  const Handler handler = std::move(posted_.front());
  posted_.pop_front();
  Dispatch(handler);
}

}  // namespace markwash::win32
