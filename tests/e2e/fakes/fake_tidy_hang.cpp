// Stands in for a Tidy.exe that never ends: it starts writing the document
// and then waits for ever.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 3) return 2;  // asked only for its version: no answer, no document
  if (FILE* document = std::fopen(argv[argc - 1], "wb")) {
    std::fputs("<html><body><p>unfertig", document);
    std::fclose(document);
  }
  ::Sleep(INFINITE);
  return 0;
}
