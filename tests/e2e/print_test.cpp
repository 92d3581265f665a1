// Printing Tidy's messages as real jobs on a real printer: the machine's
// default printer is a cups-pdf queue (tools/start-pdf-printer.sh sets it
// up); every job becomes a PDF file whose text pdftotext reads back.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <sstream>

#include "rig/rig.h"

namespace {

using rig::Dialog;

std::vector<std::string> SplitAt(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

std::set<std::wstring> PdfFiles(const std::wstring& folder) {
  std::set<std::wstring> files;
  for (const auto& name : rig::ListFolder(folder))
    if (name.size() > 4 && name.substr(name.size() - 4) == L".pdf") files.insert(name);
  return files;
}

TEST(Print, TheQuestionAndAJobOfTwoPages) {
  // The PDF queue belongs to the machine: test programs of other builds print
  // to it too. A lock file held by a small shell process keeps their jobs
  // apart; it is let go when this test ends (or after ten minutes).
  const std::string lock = "/tmp/markwash-print-" + std::to_string(std::hash<std::wstring>{}(rig::ProgramFolder())) +
                           "-" + std::to_string(::GetCurrentProcessId());
  rig::RunUnixScript("( flock 9; : >" + lock + ".held; i=0; while [ ! -e " + lock +
                     ".done ] && [ $i -lt 3000 ]; do sleep 0.2; i=$((i+1)); done; rm -f " + lock + ".held " + lock +
                     ".done ) 9>/tmp/markwash-print.lock </dev/null >/dev/null 2>&1 &");
  struct Release {
    std::wstring done;
    ~Release() { rig::WriteFileBytes(done, ""); }
  } release{L"Z:" + rig::FromAnsi(lock) + L".done"};
  ASSERT_TRUE(rig::WaitUntil([&] { return rig::FileExists(L"Z:" + rig::FromAnsi(lock) + L".held"); }, 600000))
      << "the PDF printer stayed busy with other test programs";
  std::string started;
  const std::wstring repository = rig::RepositoryFolder(L"start-pdf-printer.sh");
  ASSERT_EQ(0, rig::RunUnixScript("bash '" + rig::UnixPath(repository) + "tools/start-pdf-printer.sh'", &started, 120000))
      << started;
  const std::string pdfFolder = SplitAt(started, '\n').back();
  const std::wstring pdfs = L"Z:" + rig::FromAnsi(pdfFolder) + L"\\";
  const auto before = PdfFiles(pdfs);

  // Enough lines, with umlauts, to go on to a second page.
  std::vector<std::string> lines = {"ungültiges Attribut \"größe\" in <p>"};
  for (int i = 1; i <= 140; ++i) lines.push_back("line " + std::to_string(i) + " column 7 - Warnung: <p> leer");
  std::wstring messages;
  for (const auto& line : lines) messages += rig::Widen(line) + L"\r\n";

  rig::PluginFolder plugin("print");
  plugin.CopyTidyHere();
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    auto print = [&](int answer) {
      d.Click("bPrintErrors");
      HWND box = rig::WaitForMessageBox(L"Sollen die Meldungen jetzt auf dem Standarddrucker ausgegeben werden?");
      if (!box) return;
      EXPECT_NE(L"Markwash Plugin", rig::WindowText(box)) << "the question has no caption of its own";
      EXPECT_TRUE(rig::HasButton(box, IDYES) && rig::HasButton(box, IDNO) && !rig::HasButton(box, IDCANCEL));
      rig::AnswerMessageBox(box, answer);
      EXPECT_TRUE(rig::WaitUntil([box] { return !::IsWindow(box); }));
    };
    d.SetText("mErrors", L"nicht gedruckt");
    print(IDNO);
    d.SetText("mErrors", messages);
    print(IDYES);
    d.Sync();
    EXPECT_FALSE(rig::OpenMessageBox());
    d.Click("bCancel");
  });

  // The one job: No printed nothing.
  std::wstring added;
  ASSERT_TRUE(rig::WaitUntil(
      [&] {
        for (const auto& name : PdfFiles(pdfs))
          if (!before.count(name)) added = name;
        return !added.empty();
      },
      180000))
      << "no PDF came out of the printer";
  EXPECT_EQ(before.size() + 1, PdfFiles(pdfs).size());
  std::string text;  // complete once the queue has let go of the job
  ASSERT_EQ(0, rig::RunUnixScript("while lpstat -o Markwash_PDF 2>/dev/null | grep -q .; do sleep 0.1; done; "
                                  "pdftotext -raw '" + pdfFolder + "/" + rig::Narrow(added) + "' -",
                                  &text))
      << text;
  // pdftotext ends every page with a form feed.
  EXPECT_EQ(2, std::count(text.begin(), text.end(), '\f')) << "the lines fill the first page and go on to a second one";
  std::vector<std::string> printed;
  for (const auto& line : SplitAt(text, '\n'))
    if (!line.empty() && line != "\f") printed.push_back(line[0] == '\f' ? line.substr(1) : line);
  EXPECT_EQ(lines, printed) << "every line in order";
}

}  // namespace
