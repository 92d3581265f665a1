// System message texts carry insert sequences ("%1", "%2!s!") for the
// caller to fill. The plug-in knows at most one thing the message is about
// (a file name): "%1" gets it, every other insert is dropped, so that no
// placeholder ever reaches the user.
#pragma once
#include <string>
#include <string_view>

namespace markwash {

std::string FillMessageInserts(std::string_view text, std::string_view first_insert);

}  // namespace markwash
