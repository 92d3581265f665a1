// Temporary files of a Tidy run, in the user's temporary folder. A TempFile
// deletes its file when it goes out of scope, on every path. Tidy, or a
// program it started, may leave a file read-only or still open: the mark is
// cleared and the delete tried again; a file still in use is kept in a list
// of leftovers that is tried again when the dialog closes.
#pragma once
#include <string>
#include <vector>

namespace markwash::win32 {

// Full path of a new, empty, uniquely named file whose name starts with the
// first three characters of the prefix; raises a system error on failure.
std::string CreateTempFile(const std::string& prefix);

class TempFile {
 public:
  explicit TempFile(const std::string& prefix) : name_(CreateTempFile(prefix)) {}
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& name() const { return name_; }

 private:
  std::string name_;
};

// The files left since the last call, each named once.
std::vector<std::string> TakeNewTempLeftovers();
// Tries every leftover again; what Windows still refuses stays on disk.
void RetryTempLeftovers();

}  // namespace markwash::win32
