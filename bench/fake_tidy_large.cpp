// Stands in for a Tidy.exe that produces a large document: as many
// megabytes of lines as the variable MARKWASH_FAKE_OUTPUT_MB says (default
// 1), replacing the document, exit code 0.
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (argc < 3) return 2;  // asked only for its version: no answer, no document
  const char* megabytes = std::getenv("MARKWASH_FAKE_OUTPUT_MB");
  const long long size = (megabytes ? std::atoll(megabytes) : 1) << 20;
  FILE* document = std::fopen(argv[argc - 1], "wb");
  if (!document) return 3;
  std::string chunk;
  for (long long written = 0, line = 0; written < size; written += static_cast<long long>(chunk.size())) {
    chunk.clear();
    while (chunk.size() < (1 << 20))
      chunk += "<p>Zeile " + std::to_string(line++) + " der gro\xDF" "en Ausgabe, mit etwas Text dahinter.</p>\r\n";
    std::fwrite(chunk.data(), 1, chunk.size(), document);
  }
  std::fclose(document);
  return 0;
}
