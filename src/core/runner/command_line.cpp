#include "core/runner/command_line.h"

namespace markwash {
namespace {

std::string QuotedIfBlank(std::string_view path) {
  // Space and tab both split an argument for the process's start-up code.
  if (path.find_first_of(" \t") == std::string_view::npos) return std::string(path);
  std::string quoted;
  quoted.reserve(path.size() + 2);
  quoted += '"';
  quoted += path;
  quoted += '"';
  return quoted;
}

}  // namespace

std::string BuildTidyCommandLine(std::string_view tidy_path, std::string_view config_file,
                                 std::string_view message_file, std::string_view document_file) {
  return QuotedIfBlank(tidy_path) + " -config " + QuotedIfBlank(config_file) + " -modify -f " +
         QuotedIfBlank(message_file) + " " + QuotedIfBlank(document_file);
}

std::string BuildTidyVersionCommandLine(std::string_view tidy_path) { return QuotedIfBlank(tidy_path) + " -v"; }

}  // namespace markwash
