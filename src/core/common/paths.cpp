#include "core/common/paths.h"

namespace markwash {

std::string ChangeExtension(std::string_view path, std::string_view extension) {
  const auto pos = path.find_last_of(".\\:");
  std::string result(path);
  if (pos != std::string_view::npos && path[pos] == '.') result.resize(pos);
  result += extension;
  return result;
}

std::string WithTrailingBackslash(std::string_view folder) {
  std::string result(folder);
  if (result.empty() || result.back() != '\\') result += '\\';
  return result;
}

std::string FolderPart(std::string_view path) {
  const auto pos = path.find_last_of("\\:");
  if (pos == std::string_view::npos) return {};
  return std::string(path.substr(0, pos + 1));
}

}  // namespace markwash
