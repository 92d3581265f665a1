// The plug-in's errors: exceptions whose text is shown in an error box by the
// dialog's event dispatch. Texts are 8-bit ANSI code-page bytes, as they
// embed file names and system messages.
#pragma once
#include <stdexcept>
#include <string>

namespace markwash {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Fills the single %s of a message pattern.
std::string FormatMessageText(const std::string& pattern, const std::string& value);

}  // namespace markwash
