// Stands in for a Tidy.exe that crashes half-way through writing the
// document: the document file is left half-written and the process ends
// with an access-violation status instead of Tidy's 0, 1 or 2.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 3) return 2;  // asked only for its version: no answer, no document
  if (FILE* document = std::fopen(argv[argc - 1], "wb")) {
    std::fputs("<html><body><p>halb geschrieben", document);
    std::fclose(document);
  }
  ::TerminateProcess(::GetCurrentProcess(), 0xC0000005);
  return 0;
}
