// One run of Tidy.exe through RunTidy, without the dialog: the real Tidy and
// small stand-ins that crash, hang or write to standard error. Every run
// leaves the temporary folder as it found it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/common/error.h"
#include "core/common/text_lines.h"
#include "rig/rig.h"
#include "win32/runner/temp_file.h"
#include "win32/runner/tidy_process.h"

namespace {

using markwash::TextLines;
using markwash::win32::RunTidy;

class TidyProcessTest : public ::testing::Test {
 protected:
  // A folder of the test's own with a temporary folder that becomes TMP.
  void Prepare(const std::wstring& name, const std::wstring& tempName = L"temp") {
    folder_ = rig::ProgramFolder() + L"work\\" + name + L"\\";
    temp_ = folder_ + tempName + L"\\";
    ::CreateDirectoryW((rig::ProgramFolder() + L"work").c_str(), nullptr);
    ::CreateDirectoryW(folder_.c_str(), nullptr);
    ::CreateDirectoryW(temp_.c_str(), nullptr);
    for (const auto& f : rig::ListFolder(temp_)) ::DeleteFileW((temp_ + f).c_str());
    ::SetEnvironmentVariableW(L"TMP", temp_.c_str());
    ::SetEnvironmentVariableW(L"TEMP", temp_.c_str());
    config_ = rig::ToAnsi(folder_ + L"run.cfg");
    rig::WriteFileBytes(folder_ + L"run.cfg", "show-warnings: yes\r\n");
  }
  // Runs and returns the error text, empty when the run succeeded.
  std::string Run(const std::wstring& tidy, const TextLines& input, TextLines& output, TextLines& messages,
                  const markwash::win32::StopTidyQuestion& ask = nullptr) {
    try {
      RunTidy(rig::ToAnsi(tidy), config_, SW_SHOWMINNOACTIVE, input, output, messages, ask);
    } catch (const markwash::Error& e) {
      return e.what();
    }
    return {};
  }
  static std::string Joined(const TextLines& lines) { return markwash::JoinLines(lines); }
  std::wstring folder_, temp_;
  std::string config_;
};

TEST_F(TidyProcessTest, RealTidyRewritesTheDocumentAndReportsWithoutLeavingFiles) {
  Prepare(L"process-real");
  TextLines output{"alt"}, messages;
  EXPECT_EQ("", Run(rig::BuiltTidyPath(), {"<title>T</title>", "<p>eins", "<p>zwei"}, output, messages));
  const std::string out = Joined(output);
  EXPECT_NE(std::string::npos, out.find("<!DOCTYPE html>")) << out;
  EXPECT_NE(std::string::npos, out.find("<p>eins</p>\r\n")) << out;
  EXPECT_NE(std::string::npos, Joined(messages).find("missing <!DOCTYPE> declaration")) << Joined(messages);
  EXPECT_TRUE(rig::ListFolder(temp_).empty());
}

TEST_F(TidyProcessTest, BlanksInTidysFolderAndInTheTemporaryFolder) {
  Prepare(L"process blanks", L"temp mit Leerzeichen");
  const std::wstring tidyFolder = folder_ + L"Tidy Ordner\\";
  ::CreateDirectoryW(tidyFolder.c_str(), nullptr);
  ASSERT_TRUE(::CopyFileW(rig::BuiltTidyPath().c_str(), (tidyFolder + L"Tidy.exe").c_str(), FALSE));
  const std::string created = markwash::win32::CreateTempFile("HTML");
  EXPECT_NE(std::string::npos, created.find("temp mit Leerzeichen\\HTM")) << created;
  ::DeleteFileA(created.c_str());
  TextLines output, messages;
  EXPECT_EQ("", Run(tidyFolder + L"Tidy.exe", {"<title>T</title><p>x"}, output, messages));
  EXPECT_NE(std::string::npos, Joined(output).find("<p>x</p>"));
  EXPECT_TRUE(rig::ListFolder(temp_).empty());
}

TEST_F(TidyProcessTest, TidyThatCannotStartRaisesTheSystemError) {
  Prepare(L"process-nostart");
  rig::WriteFileBytes(folder_ + L"Tidy.exe", "kein Programm");
  TextLines output{"vorher"}, messages{"alt"};
  const std::string error = Run(folder_ + L"Tidy.exe", {"<p>x"}, output, messages);
  EXPECT_EQ(0u, error.find("Win32 Error.  Code: ")) << error;
  EXPECT_EQ(TextLines{"vorher"}, output);
  EXPECT_TRUE(rig::ListFolder(temp_).empty());
}

TEST_F(TidyProcessTest, CrashedTidysHalfDocumentIsNotOffered) {
  Prepare(L"process-crash");
  TextLines output{"vorher"}, messages;
  const std::string error = Run(rig::ProgramFolder() + L"fake_tidy_crash.exe", {"<p>x"}, output, messages);
  EXPECT_NE(std::string::npos, error.find("(Exit-Code 0xC0000005)")) << error;
  EXPECT_EQ(TextLines{"vorher"}, output);
  EXPECT_TRUE(rig::ListFolder(temp_).empty());
}

TEST_F(TidyProcessTest, StandardErrorFollowsTidysMessages) {
  Prepare(L"process-stderr");
  TextLines output, messages;
  EXPECT_EQ("", Run(rig::ProgramFolder() + L"fake_tidy_stderr.exe", {"<p>a", "<p>b"}, output, messages));
  EXPECT_EQ((TextLines{"<p>a", "<p>b"}), output);  // untouched by Tidy: the input comes back
  EXPECT_EQ((TextLines{"line 1 column 1 - Warning: aus der Meldungsdatei", "stderr: erste Zeile",
                       "stderr: zweite Zeile"}),
            messages);
  EXPECT_TRUE(rig::ListFolder(temp_).empty());
}

TEST_F(TidyProcessTest, UnknownConfigurationKeyIsReported) {
  Prepare(L"process-badkey");
  rig::WriteFileBytes(folder_ + L"run.cfg", "gibt-es-nicht: yes\r\nwrap: viel\r\n");
  TextLines output, messages;
  EXPECT_EQ("", Run(rig::BuiltTidyPath(), {"<title>T</title><p>x"}, output, messages));
  const std::string said = Joined(messages);
  EXPECT_NE(std::string::npos, said.find("gibt-es-nicht")) << said;
  EXPECT_NE(std::string::npos, said.find("wrap")) << said;
}

TEST_F(TidyProcessTest, HungTidyIsStoppedOnRequest) {
  Prepare(L"process-hang");
  TextLines output{"vorher"}, messages;
  unsigned askedAfter = 0;
  const DWORD start = ::GetTickCount();
  const std::string error = Run(rig::ProgramFolder() + L"fake_tidy_hang.exe", {"<p>x"}, output, messages,
                                [&](unsigned seconds) {
                                  askedAfter = seconds;
                                  return true;
                                });
  EXPECT_GE(::GetTickCount() - start, markwash::win32::kHungTidyQuestionAfterMs);
  EXPECT_EQ(markwash::win32::kHungTidyQuestionAfterMs / 1000, askedAfter);
  EXPECT_EQ(0u, error.find("Tidy.exe wurde beendet")) << error;
  EXPECT_EQ(TextLines{"vorher"}, output);
  EXPECT_TRUE(rig::ListFolder(temp_).empty());
}

}  // namespace
