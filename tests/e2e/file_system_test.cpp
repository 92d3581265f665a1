// The file-exists test on the real file system.
#include <gtest/gtest.h>

#include "rig/rig.h"
#include "win32/common/file_system.h"

namespace {

TEST(FileExists, FilesCountFoldersAndPatternsDoNot) {
  const std::wstring folder = rig::ProgramFolder() + L"work\\file-exists\\";
  ::CreateDirectoryW((rig::ProgramFolder() + L"work").c_str(), nullptr);
  ::CreateDirectoryW(folder.c_str(), nullptr);
  ::CreateDirectoryW((folder + L"Tidy.exe").c_str(), nullptr);  // a folder with a program's name
  rig::WriteFileBytes(folder + L"Markwash.cfg", "x");
  const std::string base = rig::ToAnsi(folder);
  EXPECT_TRUE(markwash::win32::FileExists(base + "Markwash.cfg"));
  EXPECT_TRUE(markwash::win32::FileExists(base + "MARKWASH.CFG"));
  EXPECT_FALSE(markwash::win32::FileExists(base + "Tidy.exe"));
  EXPECT_FALSE(markwash::win32::FileExists(base + "*.cfg"));
  EXPECT_FALSE(markwash::win32::FileExists(base + "missing.cfg"));
  EXPECT_FALSE(markwash::win32::FileExists(""));
}

}  // namespace
