// Stands in for a Tidy.exe that reports on standard error: one message
// line into the message file (-f), two lines on standard error, the
// document left as it is, exit code 1 (warnings).
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "-f") == 0) {
      if (FILE* messages = std::fopen(argv[i + 1], "wb")) {
        std::fputs("line 1 column 1 - Warning: aus der Meldungsdatei\n", messages);
        std::fclose(messages);
      }
    }
  }
  std::fputs("stderr: erste Zeile\nstderr: zweite Zeile\n", stderr);
  return 1;
}
