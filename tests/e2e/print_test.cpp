// Printing Tidy's messages: real jobs on a real printer. The machine's
// default printer is a cups-pdf queue (tools/start-pdf-printer.sh sets it
// up); every job becomes a PDF file whose text pdftotext reads back.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <set>
#include <sstream>

#include "rig/rig.h"

namespace {

using rig::Dialog;

constexpr wchar_t kQuestion[] = L"Sollen die Meldungen jetzt auf dem Standarddrucker ausgegeben werden?";
constexpr wchar_t kNoPrinter[] = L"There is no default printer currently selected";

// Answers a message box and waits until it is gone, so that the next
// search cannot find it again.
void Answer(HWND box, int buttonId) {
  rig::AnswerMessageBox(box, buttonId);
  EXPECT_TRUE(rig::WaitUntil([box] { return !::IsWindow(box); })) << "the box stayed open";
}

std::vector<std::string> SplitAt(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

// The PDF files of one printed job: its pages' lines.
struct PrintedJob {
  std::vector<std::vector<std::string>> pages;
  std::vector<std::string> AllLines() const {
    std::vector<std::string> all;
    for (const auto& page : pages) all.insert(all.end(), page.begin(), page.end());
    return all;
  }
};

// Takes Wine's default printer away for one scope, as on a machine where
// none is set up.
class NoDefaultPrinter {
 public:
  NoDefaultPrinter() {
    ::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", 0,
                    KEY_QUERY_VALUE | KEY_SET_VALUE, &key_);
    DWORD size = sizeof device_;
    had_ = ::RegQueryValueExW(key_, L"Device", nullptr, &type_, reinterpret_cast<BYTE*>(device_), &size) ==
           ERROR_SUCCESS;
    size_ = size;
    ::RegDeleteValueW(key_, L"Device");
  }
  ~NoDefaultPrinter() {
    if (had_) ::RegSetValueExW(key_, L"Device", 0, type_, reinterpret_cast<const BYTE*>(device_), size_);
    ::RegCloseKey(key_);
  }

 private:
  HKEY key_ = nullptr;
  DWORD type_ = REG_SZ, size_ = 0;
  wchar_t device_[512] = L"";
  bool had_ = false;
};

// How many printed lines of text fill a page of the default printer: each
// moves the position down by the text height + 2, and a page ends once the
// position passes the page height minus two such lines.
size_t LinesPerPage() {
  char device[512] = "";
  ::GetProfileStringA("windows", "device", "", device, sizeof device);
  const std::string printer = SplitAt(device, ',').at(0);
  HDC dc = ::CreateDCA("WINSPOOL", printer.c_str(), nullptr, nullptr);
  if (!dc) return 0;
  HFONT font = ::CreateFontA(-::MulDiv(8, ::GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                             DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
  HGDIOBJ old = ::SelectObject(dc, font);
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  const int line = metrics.tmHeight + 2;
  const int page = ::GetDeviceCaps(dc, VERTRES);
  ::SelectObject(dc, old);
  ::DeleteObject(font);
  ::DeleteDC(dc);
  return static_cast<size_t>((page - 2 * line) / line + 1);
}

size_t TextLineCount(const std::vector<std::string>& lines) {
  return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), [](const auto& l) { return !l.empty(); }));
}

class PrintTest : public ::testing::Test {
 protected:
  // The PDF queue belongs to the machine: test programs of other builds on it
  // print to it too. A lock file held by a small shell process keeps their
  // jobs apart; it is let go when the suite ends (or after ten minutes).
  static std::string LockBase() {
    return "/tmp/markwash-print-" + std::to_string(std::hash<std::wstring>{}(rig::ProgramFolder())) + "-" +
           std::to_string(::GetCurrentProcessId());
  }
  static void SetUpTestSuite() {
    const std::string base = LockBase();
    rig::RunUnixScript("( flock 9; : >" + base + ".held; i=0; while [ ! -e " + base +
                       ".done ] && [ $i -lt 3000 ]; do sleep 0.2; i=$((i+1)); done; rm -f " + base + ".held " +
                       base + ".done ) 9>/tmp/markwash-print.lock </dev/null >/dev/null 2>&1 &");
    ASSERT_TRUE(rig::WaitUntil([&] { return rig::FileExists(L"Z:" + rig::FromAnsi(base) + L".held"); }, 600000))
        << "the PDF printer stayed busy with other test programs";
    std::string output;
    const std::wstring repository = rig::RepositoryFolder(L"start-pdf-printer.sh");
    const int status =
        rig::RunUnixScript("bash '" + rig::UnixPath(repository) + "tools/start-pdf-printer.sh'", &output, 120000);
    ASSERT_EQ(status, 0) << output;
    const auto lines = SplitAt(output, '\n');
    ASSERT_FALSE(lines.empty());
    pdfFolder_ = new std::string(lines.back());
  }
  static void TearDownTestSuite() {
    delete pdfFolder_;
    pdfFolder_ = nullptr;
    rig::WriteFileBytes(L"Z:" + rig::FromAnsi(LockBase()) + L".done", "");
  }
  void SetUp() override {
    if (!pdfFolder_) GTEST_SKIP() << "no PDF printer";
  }

  static std::wstring WindowsFolder() { return L"Z:" + rig::FromAnsi(*pdfFolder_) + L"\\"; }

  static std::set<std::wstring> PdfFiles() {
    std::set<std::wstring> files;
    for (const auto& name : rig::ListFolder(WindowsFolder()))
      if (name.size() > 4 && name.substr(name.size() - 4) == L".pdf") files.insert(name);
    return files;
  }

  // Waits for the one job printed since `before` and reads its text.
  static PrintedJob WaitForJob(const std::set<std::wstring>& before) {
    std::wstring added;
    const bool arrived = rig::WaitUntil(
        [&] {
          for (const auto& name : PdfFiles())
            if (!before.count(name)) added = name;
          return !added.empty();
        },
        60000);
    EXPECT_TRUE(arrived) << "no PDF came out of the printer";
    if (!arrived) return {};
    EXPECT_EQ(PdfFiles().size(), before.size() + 1) << "one print, one job";
    std::string text;
    const std::string file = *pdfFolder_ + "/" + rig::Narrow(added);
    // The file is complete once the queue has let go of the job.
    const int status = rig::RunUnixScript(
        "while lpstat -o Markwash_PDF 2>/dev/null | grep -q .; do sleep 0.1; done; pdftotext -raw '" + file + "' -",
        &text);
    EXPECT_EQ(status, 0) << text;
    PrintedJob job;
    for (const auto& page : SplitAt(text, '\f'))  // pdftotext ends every page with a form feed
      job.pages.push_back(SplitAt(page, '\n'));
    return job;
  }

  // Puts `messages` into the messages memo and prints them.
  static void PrintMessages(Dialog& d, const std::wstring& messages) {
    d.SetText("mErrors", messages);
    d.Click("bPrintErrors");
    HWND box = rig::WaitForMessageBox(kQuestion);
    ASSERT_TRUE(box);
    Answer(box, IDYES);
    d.Sync();
  }

  static std::string* pdfFolder_;
};

std::string* PrintTest::pdfFolder_ = nullptr;

TEST_F(PrintTest, TheQuestionHasNoCaptionOfItsOwnAndNoPrintsNothing) {
  rig::PluginFolder plugin("print-no");
  plugin.CopyTidyHere();
  const auto before = PdfFiles();
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    d.SetText("mErrors", L"line 1: Warnung: <p> ohne Ende");
    d.Click("bPrintErrors");
    HWND box = rig::WaitForMessageBox(kQuestion);
    ASSERT_TRUE(box);
    EXPECT_NE(rig::WindowText(box), L"Markwash Plugin");
    EXPECT_TRUE(rig::HasButton(box, IDYES));
    EXPECT_TRUE(rig::HasButton(box, IDNO));
    EXPECT_FALSE(rig::HasButton(box, IDCANCEL));
    Answer(box, IDNO);
    d.Sync();
    EXPECT_FALSE(rig::OpenMessageBox());
    // An empty list then prints one empty page: the only job of this test.
    PrintMessages(d, L"");
    const PrintedJob job = WaitForJob(before);
    ASSERT_EQ(job.pages.size(), 1u);
    for (const auto& line : job.pages[0]) EXPECT_EQ(line, "");
    d.Click("bCancel");
  });
}

TEST_F(PrintTest, EveryLineInOrderLongLinesBrokenAtACharacterOverTwoPages) {
  rig::PluginFolder plugin("print-pages");
  plugin.CopyTidyHere();
  std::string digits;
  for (int i = 0; i < 40; ++i) digits += "0123456789";  // wider than a page, no blank to break at
  std::vector<std::string> expected = {"line 1 column 1 - Warnung: fehlende <!DOCTYPE>-Deklaration",
                                       "ungültiges Attribut \"größe\" in <p>", digits};
  for (int i = 1; i <= 140; ++i) expected.push_back("line " + std::to_string(i) + " column 7 - Warnung: <p> leer");
  std::wstring messages;
  for (const auto& line : expected) messages += rig::Widen(line) + L"\r\n";

  const auto before = PdfFiles();
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    PrintMessages(d, messages);
    EXPECT_FALSE(rig::OpenMessageBox());
    d.Click("bCancel");
  });
  const PrintedJob job = WaitForJob(before);
  ASSERT_EQ(job.pages.size(), 2u);
  std::vector<std::string> printed = job.AllLines();
  while (!printed.empty() && printed.back().empty()) printed.pop_back();

  // The long line comes out in pieces, each as wide as the page allows.
  ASSERT_GE(printed.size(), expected.size() + 1);
  EXPECT_EQ(printed[0], expected[0]);
  EXPECT_EQ(printed[1], expected[1]);
  size_t at = 2;
  std::string joined;
  while (at < printed.size() && printed[at].find("line ") != 0) joined += printed[at++];
  EXPECT_EQ(joined, digits);
  EXPECT_GE(at - 2, 2u) << "the long line was not broken";
  const std::vector<std::string> rest(printed.begin() + static_cast<long>(at), printed.end());
  EXPECT_EQ(rest, std::vector<std::string>(expected.begin() + 3, expected.end()));

  // A page ends when the position comes within two line heights of its
  // bottom: the first page is full, and the second holds the rest.
  EXPECT_EQ(TextLineCount(job.pages[0]), LinesPerPage());
  EXPECT_EQ(TextLineCount(job.pages[0]) + TextLineCount(job.pages[1]), printed.size());
}

TEST_F(PrintTest, TheMessagesOfARealTidyRunArePrinted) {
  rig::PluginFolder plugin("print-run");
  plugin.CopyTidyHere();
  const auto before = PdfFiles();
  std::vector<std::string> shown;
  rig::RunDialog(plugin, "<title>T</title><p>eins<p>zwei<font>drei", [&](Dialog& d) {
    d.Click("bRunTidy");
    ASSERT_TRUE(rig::WaitUntil([&] { return !d.Text("mErrors").empty(); }, 60000)) << "no messages";
    d.Sync();
    for (std::string line : SplitAt(rig::Narrow(d.Text("mErrors")), '\n')) {
      // Blanks at a line's end, and a blank line, leave no text on paper.
      while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
      if (!line.empty()) shown.push_back(line);
    }
    d.Click("bPrintErrors");
    HWND box = rig::WaitForMessageBox(kQuestion);
    ASSERT_TRUE(box);
    Answer(box, IDYES);
    d.Sync();
    d.Click("bCancel");
  });
  ASSERT_GE(shown.size(), 2u);
  const PrintedJob job = WaitForJob(before);
  std::vector<std::string> printed;
  for (const auto& line : job.AllLines())
    if (!line.empty()) printed.push_back(line);
  EXPECT_EQ(printed, shown);
}

TEST_F(PrintTest, ASecondPrintWhileTheFirstSpoolsIsRefused) {
  rig::PluginFolder plugin("print-twice");
  plugin.CopyTidyHere();
  // Many pages, so that the spooler takes a while and the dialog, answering
  // its messages between pages, meets the second click within the job.
  constexpr size_t kPages = 40;
  std::wstring pages;
  for (size_t i = 1; i <= kPages; ++i) pages += L"Seite " + std::to_wstring(i) + (i < kPages ? L"\f\r\n" : L"\r\n");
  const auto before = PdfFiles();
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    d.SetText("mErrors", pages);
    HWND print = d.Get("bPrintErrors");
    d.ClickWindow(print);
    HWND box = rig::WaitForMessageBox(kQuestion);
    ASSERT_TRUE(box);
    // The second click goes right behind the answer, so that it waits in
    // the queue while the job is written.
    rig::AnswerMessageBox(box, IDYES);
    d.ClickWindow(print);
    ASSERT_TRUE(rig::WaitUntil([box] { return !::IsWindow(box); }));
    HWND again = rig::WaitForMessageBox(kQuestion);
    ASSERT_TRUE(again);
    Answer(again, IDYES);
    HWND refused = rig::WaitForMessageBox(L"Printing in progress");
    ASSERT_TRUE(refused);
    Answer(refused, IDOK);
    d.Sync();
    d.Click("bCancel");
  });
  const PrintedJob job = WaitForJob(before);
  ASSERT_EQ(job.pages.size(), kPages);
  EXPECT_EQ(job.pages[0].at(0), "Seite 1");
  EXPECT_EQ(job.pages[kPages - 1].at(0), "Seite " + std::to_string(kPages));
}

// The queue turns jobs away for one scope.
class RejectingQueue {
 public:
  RejectingQueue() { rig::RunUnixScript("cupsreject Markwash_PDF"); }
  ~RejectingQueue() { rig::RunUnixScript("cupsaccept Markwash_PDF"); }
  RejectingQueue(const RejectingQueue&) = delete;
  RejectingQueue& operator=(const RejectingQueue&) = delete;
};

TEST_F(PrintTest, AJobThePrinterRefusesIsReportedAndTheNextPrintWorks) {
  rig::PluginFolder plugin("print-refused");
  plugin.CopyTidyHere();
  const auto before = PdfFiles();
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    {
      const RejectingQueue rejecting;
      PrintMessages(d, L"abgelehnt");
      HWND error = rig::WaitForMessageBox(L"");
      ASSERT_TRUE(error);
      EXPECT_EQ(rig::WindowText(error), L"Markwash Plugin");
      const std::wstring text = rig::MessageBoxText(error);
      EXPECT_TRUE(text.rfind(L"Win32 Error.  Code: ", 0) == 0 || text == L"A Win32 API function failed")
          << rig::Narrow(text);
      Answer(error, IDOK);
      d.Sync();
    }
    PrintMessages(d, L"angenommen");
    EXPECT_FALSE(rig::OpenMessageBox());
    d.Click("bCancel");
  });
  const PrintedJob job = WaitForJob(before);
  ASSERT_EQ(job.pages.size(), 1u);
  EXPECT_EQ(job.pages[0].at(0), "angenommen");
}

TEST_F(PrintTest, WithoutADefaultPrinterTheErrorIsShownAndTheDialogGoesOn) {
  rig::PluginFolder plugin("print-none");
  plugin.CopyTidyHere();
  const auto before = PdfFiles();
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    {
      const NoDefaultPrinter none;
      d.SetText("mErrors", L"line 1: Warnung");
      d.Click("bPrintErrors");
      HWND box = rig::WaitForMessageBox(kQuestion);
      ASSERT_TRUE(box);
      Answer(box, IDYES);
      HWND error = rig::WaitForMessageBox(kNoPrinter);
      ASSERT_TRUE(error);
      EXPECT_EQ(rig::WindowText(error), L"Markwash Plugin");
      Answer(error, IDOK);
      d.Sync();
    }
    EXPECT_TRUE(d.IsOpen());
    // The failed attempt left no job counted as running: the next one prints.
    PrintMessages(d, L"nach dem Fehler");
    d.Click("bCancel");
  });
  const PrintedJob job = WaitForJob(before);
  ASSERT_EQ(job.pages.size(), 1u);
  EXPECT_EQ(job.pages[0].at(0), "nach dem Fehler");
}

}  // namespace
