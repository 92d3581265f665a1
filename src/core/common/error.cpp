#include "core/common/error.h"

namespace markwash {

std::string FormatMessageText(const std::string& pattern, const std::string& value) {
  const auto pos = pattern.find("%s");
  if (pos == std::string::npos) return pattern;
  return pattern.substr(0, pos) + value + pattern.substr(pos + 2);
}

}  // namespace markwash
