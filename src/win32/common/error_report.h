// Where an error goes that reaches a boundary with Windows (a window
// procedure, a subclass procedure, an export): to the error display of the
// open dialog, or to the plug-in's error box while there is none. Nothing is
// dropped without a word.
#pragma once
#include <string>

namespace markwash::win32 {

class ErrorDisplay {
 public:
  virtual void ShowError(const std::string& text) = 0;

 protected:
  ~ErrorDisplay() = default;
};

// Makes a display the current one for its lifetime; the previous one comes back after.
class ErrorDisplayScope {
 public:
  explicit ErrorDisplayScope(ErrorDisplay& display);
  ~ErrorDisplayScope();
  ErrorDisplayScope(const ErrorDisplayScope&) = delete;
  ErrorDisplayScope& operator=(const ErrorDisplayScope&) = delete;

 private:
  ErrorDisplay* previous_;
};

// The plug-in's error box: titled with the dialog's caption, owned by the active window.
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
