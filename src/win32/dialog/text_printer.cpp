#include "win32/dialog/text_printer.h"

#include <winspool.h>

#include <string>

#include "core/common/error.h"
#include "core/dialog/print_layout.h"
#include "win32/common/system_error.h"
#include "win32/common/unique_handle.h"
#include "win32/dialog/gdi_text_measurer.h"

namespace markwash::win32 {
namespace {

constexpr int kFontPoints = 8;
constexpr char kFontFace[] = "MS Sans Serif";

// The dialog whose messages the abort procedure dispatches; set while a job
// of this process is being written, which is also what makes a second job
// wait its turn.
HWND g_printingOwner = nullptr;
bool g_printing = false;

class PrintingMark {
 public:
  explicit PrintingMark(HWND owner) {
    if (g_printing) throw Error("Printing in progress");
    g_printing = true;
    g_printingOwner = owner;
  }
  ~PrintingMark() {
    g_printing = false;
    g_printingOwner = nullptr;
  }
  PrintingMark(const PrintingMark&) = delete;
  PrintingMark& operator=(const PrintingMark&) = delete;
};

// Keeps the dialog repainted and answering while the spooler takes pages.
BOOL CALLBACK DispatchWhileSpooling(HDC, int) {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {  // the host is quitting: leave that to the modal loop
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!g_printingOwner || !::IsDialogMessageW(g_printingOwner, &msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  return TRUE;
}

std::string DefaultPrinterName() {
  DWORD size = 0;
  ::GetDefaultPrinterA(nullptr, &size);
  std::string name(size, '\0');
  if (size == 0 || !::GetDefaultPrinterA(name.data(), &size))
    throw Error("There is no default printer currently selected");
  return name.c_str();  // without the terminating NUL
}

UniqueFont PrinterFont(HDC dc) {
  const int height = -::MulDiv(kFontPoints, ::GetDeviceCaps(dc, LOGPIXELSY), 72);
  UniqueFont font(::CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFontFace));
  if (!font) RaiseLastSystemError();
  return font;
}

// One document on the printer; abandoned unless it was ended.
class PrintDocument {
 public:
  explicit PrintDocument(HDC dc) : dc_(dc) {
    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = "";
    if (::StartDocA(dc_, &info) <= 0) RaiseLastSystemError();
  }
  ~PrintDocument() {
    if (!ended_) ::AbortDoc(dc_);
  }
  PrintDocument(const PrintDocument&) = delete;
  PrintDocument& operator=(const PrintDocument&) = delete;

  void Print(const PrintPage& page) {
    if (::StartPage(dc_) <= 0) RaiseLastSystemError();
    for (const DrawCommand& command : page.commands)
      if (!::TextOutA(dc_, command.x, command.y, command.text.data(), static_cast<int>(command.text.size())))
        RaiseLastSystemError();
    if (::EndPage(dc_) <= 0) RaiseLastSystemError();
  }

  void End() {
    if (::EndDoc(dc_) <= 0) RaiseLastSystemError();
    ended_ = true;
  }

 private:
  HDC dc_;
  bool ended_ = false;
};

}  // namespace

void PrintTextLines(const LineBlock& lines, HWND owner) {
  const PrintingMark mark(owner);
  const std::string printer = DefaultPrinterName();
  const UniqueDc dc(::CreateDCA("WINSPOOL", printer.c_str(), nullptr, nullptr));
  if (!dc) RaiseLastSystemError();
  const UniqueFont font = PrinterFont(dc.get());
  const ScopedSelect selected(dc.get(), font.get());
  const GdiTextMeasurer measurer(dc.get());
  const auto pages = LayOutPrintPages(lines, measurer, ::GetDeviceCaps(dc.get(), HORZRES),
                                      ::GetDeviceCaps(dc.get(), VERTRES),
                                      [](unsigned char byte) { return ::IsDBCSLeadByte(byte) != FALSE; });
  ::SetAbortProc(dc.get(), DispatchWhileSpooling);
  PrintDocument document(dc.get());
  for (const PrintPage& page : pages) document.Print(page);
  document.End();
}

}  // namespace markwash::win32
