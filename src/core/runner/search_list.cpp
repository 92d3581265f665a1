#include "core/runner/search_list.h"

#include <vector>

namespace markwash {
namespace {

// Start offsets of the characters of an ANSI text, plus the text's size as
// a final end mark: a lead byte and the byte after it form one character,
// whose second byte may look like "\" or ";" and must not count as one.
std::vector<size_t> CharacterBounds(std::string_view text, const LeadBytePredicate& is_lead_byte) {
  std::vector<size_t> bounds;
  for (size_t i = 0; i < text.size();) {
    bounds.push_back(i);
    const bool pair = is_lead_byte && i + 1 < text.size() &&
                      is_lead_byte(static_cast<unsigned char>(text[i]));
    i += pair ? 2 : 1;
  }
  bounds.push_back(text.size());
  return bounds;
}

// True when character k (by bounds) is the single byte c.
bool IsChar(std::string_view text, const std::vector<size_t>& bounds, size_t k, char c) {
  return bounds[k + 1] - bounds[k] == 1 && text[bounds[k]] == c;
}

bool IsPathSeparator(std::string_view text, const std::vector<size_t>& bounds, size_t k) {
  return IsChar(text, bounds, k, '\\') || IsChar(text, bounds, k, ':');
}

// Index (by bounds) of the last backslash or colon; -1 when there is none.
long LastPathSeparator(std::string_view text, const std::vector<size_t>& bounds) {
  for (size_t k = bounds.size() - 1; k-- > 0;) {
    if (IsPathSeparator(text, bounds, k)) return static_cast<long>(k);
  }
  return -1;
}

}  // namespace

std::string LibraryFolder(std::string_view library_file, const LeadBytePredicate& is_lead_byte) {
  const auto bounds = CharacterBounds(library_file, is_lead_byte);
  const long last = LastPathSeparator(library_file, bounds);
  if (last < 0) return {};
  return std::string(library_file.substr(0, bounds[last + 1]));
}

std::string BuildSearchList(std::string_view library_file, std::string_view current_directory,
                            std::string_view path_value, const LeadBytePredicate& is_lead_byte) {
  std::string list = LibraryFolder(library_file, is_lead_byte);
  list += ';';
  list += current_directory;
  list += ';';
  list += path_value;
  return list;
}

std::string SearchFile(std::string_view file_name, std::string_view search_list,
                       const FileExistsTest& exists, const LeadBytePredicate& is_lead_byte) {
  std::string candidate(file_name);
  if (exists(candidate)) return candidate;

  const auto bounds = CharacterBounds(search_list, is_lead_byte);
  const size_t count = bounds.size() - 1;
  size_t first = 0;  // first character of the current entry
  for (size_t k = 0; k <= count; ++k) {
    if (k < count && !IsChar(search_list, bounds, k, ';')) continue;
    if (k > first) {
      const std::string_view entry = search_list.substr(bounds[first], bounds[k] - bounds[first]);
      candidate.assign(entry);
      if (!IsPathSeparator(search_list, bounds, k - 1)) candidate += '\\';
      candidate += file_name;
      if (exists(candidate)) return candidate;
    }
    first = k + 1;
  }
  return {};
}

std::string FolderOfHit(std::string_view hit, const LeadBytePredicate& is_lead_byte) {
  const auto bounds = CharacterBounds(hit, is_lead_byte);
  const long last = LastPathSeparator(hit, bounds);
  if (last < 0) return {};
  // A backslash at the start or right after a colon or another backslash
  // belongs to a root ("\", "C:\", "\\"); removing it would name another folder.
  const bool keeps_separator = !IsChar(hit, bounds, last, '\\') || last == 0 ||
                               IsPathSeparator(hit, bounds, last - 1);
  return std::string(hit.substr(0, bounds[keeps_separator ? last + 1 : last]));
}

}  // namespace markwash
