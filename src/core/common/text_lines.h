// Text lines: the 8-bit (ANSI code page) line lists that carry the document,
// the configuration script and Tidy's messages. Bytes are never re-encoded.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace markwash {

using TextLines = std::vector<std::string>;

// Splits at CR LF, lone LF and lone CR; the text ends at its first NUL byte.
// A final line end does not start another (empty) line.
TextLines SplitLines(std::string_view text);

// Joins with CR LF after every line, the last one included.
std::string JoinLines(const TextLines& lines);

// The size of the joined text, and the joined text written into a block of
// at least JoinedSize + 1 bytes, NUL-terminated: the text handed to the host
// is built in its own block at once, never held twice.
std::size_t JoinedSize(const TextLines& lines);
void JoinLinesInto(const TextLines& lines, char* block);

}  // namespace markwash
