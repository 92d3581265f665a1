#include "core/options/config_lines.h"

namespace markwash {
namespace {

bool IsTrimmed(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= 0x20 || byte == 0x7F;
}

// The key as it stands in a line: followed by its colon.
std::string KeyWithColon(std::string_view key) {
  std::string result(key);
  if (!result.empty() && result.back() != ':') result += ':';
  return result;
}

}  // namespace

std::string_view TrimValue(std::string_view value) { return TrimAscii(value, IsTrimmed); }

int FindKeyLine(const TextLines& lines, std::string_view key) {
  const std::string wanted = KeyWithColon(key);
  for (std::size_t i = lines.size(); i-- > 0;) {
    const std::string& line = lines[i];
    if (EqualsIgnoreAsciiCase(std::string_view(line).substr(0, wanted.size()), wanted)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

std::string GetKeyValue(const TextLines& lines, std::string_view key) {
  const int index = FindKeyLine(lines, key);
  if (index < 0) return {};
  const std::string_view line = lines[static_cast<std::size_t>(index)];
  return std::string(TrimValue(line.substr(KeyWithColon(key).size())));
}

void SetKey(TextLines& lines, std::string_view key, std::string_view value) {
  std::string line = KeyWithColon(key);
  line += ' ';
  line += value;
  const int index = FindKeyLine(lines, key);
  if (index < 0) {
    lines.push_back(std::move(line));
  } else {
    lines[static_cast<std::size_t>(index)] = std::move(line);
  }
}

void DeleteKey(TextLines& lines, std::string_view key) {
  for (int index = FindKeyLine(lines, key); index >= 0; index = FindKeyLine(lines, key)) {
    lines.erase(lines.begin() + index);
  }
}

void SetOrDeleteKey(TextLines& lines, std::string_view key, std::string_view value) {
  if (TrimValue(value).empty()) {
    DeleteKey(lines, key);
  } else {
    SetKey(lines, key, value);
  }
}

}  // namespace markwash
