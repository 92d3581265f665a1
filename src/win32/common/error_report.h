// Where an error goes that reaches a boundary with Windows (a window
// procedure, a subclass procedure, an export): an error box titled with the
// dialog's caption, owned by the open dialog, or by the active window while
// there is none. Nothing is dropped without a word.
#pragma once
#include <windows.h>

#include <string>

namespace markwash::win32 {

// Makes a window the owner of error boxes for its lifetime; the previous owner comes back after.
class ErrorBoxOwner {
 public:
  explicit ErrorBoxOwner(HWND window);
  ~ErrorBoxOwner();
  ErrorBoxOwner(const ErrorBoxOwner&) = delete;
  ErrorBoxOwner& operator=(const ErrorBoxOwner&) = delete;

 private:
  HWND previous_;
};

void ShowErrorBox(const std::string& text);

// Reports the exception being handled; call it only inside a catch block. It never throws.
void ReportCurrentException();

// Runs the body; an exception is reported and the fallback's value returned instead.
template <typename Body, typename Fallback>
auto Guarded(Body&& body, Fallback&& fallback) -> decltype(body()) {
  try {
    return body();
  } catch (...) {
    ReportCurrentException();
  }
  return fallback();
}

}  // namespace markwash::win32
