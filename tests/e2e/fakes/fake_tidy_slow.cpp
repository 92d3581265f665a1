// Stands in for a Tidy.exe that takes its time: it ends only when the event
// "MarkwashLetTidyEnd" is set (or after two minutes), then appends one
// comment line to the document, exit code 0.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 3) return 2;  // asked only for its version: no answer, no document
  HANDLE end = ::CreateEventW(nullptr, TRUE, FALSE, L"MarkwashLetTidyEnd");
  ::WaitForSingleObject(end, 120000);
  if (FILE* document = std::fopen(argv[argc - 1], "ab")) {
    std::fputs("<!-- slow tidy -->\r\n", document);
    std::fclose(document);
  }
  return 0;
}
