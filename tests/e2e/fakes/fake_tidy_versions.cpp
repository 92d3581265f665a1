// Stands in for a Tidy.exe of any version. Beside it, "version.txt" holds its
// answer to "-v" ("hang": it never answers), and "asked.txt" gets a line for
// each time it is asked. A run copies its configuration to "seen.cfg" beside
// it and leaves the document as it is.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string Beside(const char* name) {
  char self[MAX_PATH];
  const DWORD length = ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path(self, length);
  return path.substr(0, path.find_last_of('\\') + 1) + name;
}

std::string ReadAll(const std::string& name) {
  std::string bytes;
  if (FILE* file = std::fopen(name.c_str(), "rb")) {
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
    std::fclose(file);
  }
  return bytes;
}

void Write(const std::string& name, const char* mode, const std::string& bytes) {
  if (FILE* file = std::fopen(name.c_str(), mode)) {
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "-v") == 0) {
    Write(Beside("asked.txt"), "ab", "-v\n");
    const std::string answer = ReadAll(Beside("version.txt"));
    if (answer == "hang") ::Sleep(INFINITE);
    std::fputs(answer.c_str(), stdout);
    return 0;
  }
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "-config") == 0) Write(Beside("seen.cfg"), "wb", ReadAll(argv[i + 1]));
  }
  return 0;
}
