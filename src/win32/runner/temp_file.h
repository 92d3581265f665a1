// Temporary files of a Tidy run, in the user's temporary folder. A TempFile
// deletes its file when it goes out of scope, on every path.
#pragma once
#include <string>

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

}  // namespace markwash::win32
