#include "core/runner/browse_paths.h"

#include <algorithm>

#include "core/common/paths.h"

namespace markwash {
namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::string PathRelativeToRoot(std::string_view path, std::string_view root) {
  if (root.empty()) return std::string(path);
  const std::string prefix = WithTrailingBackslash(root);
  if (path.size() >= prefix.size() && EqualNoCase(path.substr(0, prefix.size()), prefix))
    return std::string(path.substr(prefix.size()));
  if (EqualNoCase(path, root)) return {};
  return std::string(path);
}

std::string DefaultEditText(std::string_view path, std::string_view root, std::string_view attachment) {
  if (EqualNoCase(path, root)) return std::string(attachment);
  std::string text = WithTrailingBackslash(PathRelativeToRoot(path, root));
  while (!text.empty() && text.back() == '\\') text.pop_back();
  return text + std::string(attachment);
}

std::string ExistingPrefix(std::string_view root, std::string_view typed, const FileExistsTest& exists) {
  std::string candidate = root.empty() ? std::string() : WithTrailingBackslash(root);
  candidate += typed;
  while (!candidate.empty() && !exists(candidate)) {
    const auto cut = candidate.find_last_of("\\/:");
    if (cut == std::string::npos) return {};
    candidate.resize(cut);
  }
  return candidate;
}

int CustomButtonWidth(int text_width, int frame_width, int minimum, int maximum) {
  return std::min(std::max(text_width + frame_width, minimum), maximum);
}

}  // namespace markwash
