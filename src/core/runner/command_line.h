// The command line that runs Tidy on the temporary files of one run.
#pragma once
#include <string>
#include <string_view>

namespace markwash {

// "<tidy> -config <config> -modify -f <messages> <document>". A path with a
// blank goes in double quotes so that it stays one argument; any other path
// is inserted bare.
std::string BuildTidyCommandLine(std::string_view tidy_path, std::string_view config_file,
                                 std::string_view message_file, std::string_view document_file);

// "<tidy> -v", the question which Tidy it is, with the same quoting.
std::string BuildTidyVersionCommandLine(std::string_view tidy_path);

}  // namespace markwash
