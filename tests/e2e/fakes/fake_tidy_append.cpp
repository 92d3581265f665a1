// Stands in for a Tidy.exe that marks what it was given: it appends one
// comment line to the document file and writes one message, exit code 0.
// Two runs in a row show whether each started from the host's text.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc < 3) return 2;  // asked only for its version: no answer, no document
  if (FILE* document = std::fopen(argv[argc - 1], "ab")) {
    std::fputs("<!-- fake tidy -->\r\n", document);
    std::fclose(document);
  }
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "-f") == 0) {
      if (FILE* messages = std::fopen(argv[i + 1], "wb")) {
        std::fputs("fake tidy: one line appended\n", messages);
        std::fclose(messages);
      }
    }
  }
  return 0;
}
