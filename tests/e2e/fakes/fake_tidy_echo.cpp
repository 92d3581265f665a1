// Stands in for a Tidy.exe that reports how it was started: its whole
// command line goes into the message file (-f), the document stays as it
// is, exit code 0.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "-f") == 0) {
      if (FILE* messages = std::fopen(argv[i + 1], "wb")) {
        std::fputs(::GetCommandLineA(), messages);
        std::fclose(messages);
      }
    }
  }
  return 0;
}
