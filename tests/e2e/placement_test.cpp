// The dialog's place between uses: section "GUI" of Markwash.ini beside the
// library, written at the first use, read by the next use of the same library
// and by a fresh copy of it elsewhere; hand-edited values that cannot be
// shown as stored open a usable dialog; a file that cannot be written is
// reported.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "rig/rig.h"

namespace {

using rig::Dialog;
using rig::Width;

// "left,top,right,bottom" on the screen, as the file writes a place.
std::string Placed(HWND w) {
  const RECT r = rig::ScreenRect(w);
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

std::string Stored(const std::wstring& ini, const char* key) {
  char value[1024] = "";
  ::GetPrivateProfileStringA("GUI", key, "<missing>", value, sizeof value, rig::ToAnsi(ini).c_str());
  return value;
}
void Store(const std::wstring& ini, const char* key, const std::string& value) {
  ::WritePrivateProfileStringA("GUI", key, value.c_str(), rig::ToAnsi(ini).c_str());
}

const std::string kMoved = "40,30,740,560";

TEST(Placement, KeptAcrossUsesAndCopiesOfTheLibrary) {
  rig::PluginFolder plugin("placement");
  plugin.CopyTidyHere();
  const std::wstring ini = plugin.Path(L"Markwash.ini");
  const std::string quoted = "\"C:\\Programme\\HTML Tidy\\Tidy.exe\"";
  rig::RunDialog(plugin, "x", [&](Dialog& d) {
    EXPECT_EQ("215,149,808,619", Placed(d.window()));  // centred on the 1024 by 768 screen
    ::SetWindowPos(d.window(), nullptr, 40, 30, 700, 530, SWP_NOZORDER | SWP_NOACTIVATE);  // to kMoved
    HWND splitter = d.Get("RightSplitter");
    rig::PostMouse(splitter, WM_LBUTTONDOWN, 1, 10, MK_LBUTTON);
    rig::PostMouse(splitter, WM_MOUSEMOVE, -39, 10, MK_LBUTTON);
    rig::PostMouse(splitter, WM_LBUTTONUP, -39, 10);
    d.SelectPage("pcNewTags", 3);
    d.SetText("lTidyPath", rig::FromAnsi(quoted));
    ::PostMessageW(d.window(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    d.Click("bCancel");
  });
  const std::string section = rig::ReadFileBytes(ini);
  size_t at = 0;
  for (const char* key : {"[GUI]", "FormVersion=0", "Flags=0", "ShowCmd=3", "PixelsPerInch=96",
                          "MinMaxPos(1024x768)=-1,-1,-1,-1", "MinMaxPos=-1,-1,-1,-1", "NormPos(1024x768)=40,30,740,560",
                          "NormPos=40,30,740,560", "Visible=0", "lTidyPath_Caption=", "gSourceFormatting_Width=185",
                          "gFormats_Width=230", "pcNewTags_ActivePage=tsNewPreTags", "SourcePanel_Height=94"}) {
    at = section.find(key, at);
    ASSERT_NE(std::string::npos, at) << key << " (in this order) in " << section;
  }
  EXPECT_EQ(quoted, Stored(ini, "lTidyPath_Caption")) << "a caption in quotes comes back with its quotes";

  rig::RunDialog(plugin, "x", [&](Dialog& d) {  // the same library again
    EXPECT_TRUE(::IsZoomed(d.window()));
    EXPECT_EQ(230, Width(d.Get("gFormats")));
    EXPECT_EQ(3, d.ActivePage("pcNewTags"));
    ::SendMessageW(d.window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(kMoved, Placed(d.window()));
    d.Click("bCancel");
  });

  // A fresh copy of the library, with the file, whose stored path names a
  // Tidy.exe elsewhere: the path is there before the option set is read, so
  // no search (which would find nothing) asks for the program. Hand-edited
  // values (widths beyond the page or no number, a minimised state) open a
  // normal dialog with every group on its page, and it stores what it showed.
  rig::PluginFolder copy("placement-copy");
  const std::wstring copyIni = copy.Path(L"Markwash.ini"), tidy = copy.Path(L"temp\\Tidy.exe");
  ASSERT_TRUE(::CopyFileW(rig::BuiltTidyPath().c_str(), tidy.c_str(), FALSE));
  rig::WriteFileBytes(copyIni, rig::ReadFileBytes(ini));
  Store(copyIni, "lTidyPath_Caption", rig::ToAnsi(tidy));
  Store(copyIni, "gSourceFormatting_Width", "5000");
  Store(copyIni, "gFormats_Width", "abc");
  Store(copyIni, "ShowCmd", "2");
  int source = 0;
  rig::RunDialog(copy, "x", [&](Dialog& d) {
    EXPECT_FALSE(rig::OpenMessageBox()) << rig::Narrow(rig::MessageBoxText(rig::OpenMessageBox()));
    EXPECT_EQ(tidy, d.Text("lTidyPath"));
    EXPECT_FALSE(::IsIconic(d.window()));
    EXPECT_EQ(kMoved, Placed(d.window()));
    RECT page;
    ::GetClientRect(d.Get("tsOptions"), &page);
    EXPECT_EQ(page.right, rig::RectInParent(d.Get("gFormats")).right);
    EXPECT_EQ(185, Width(d.Get("gHtmlProperties")));  // the middle group keeps its minimum
    EXPECT_EQ(190, Width(d.Get("gFormats")));
    source = Width(d.Get("gSourceFormatting"));
    d.Click("bCancel");
  });
  EXPECT_EQ("1", Stored(copyIni, "ShowCmd"));
  EXPECT_EQ("190", Stored(copyIni, "gFormats_Width"));
  EXPECT_EQ(std::to_string(source), Stored(copyIni, "gSourceFormatting_Width"));

  // A file nobody may write (immutable for the machine too: Wine run by root
  // writes read-only files regardless) is reported, once at the close and
  // once more when the dialog goes without a save, and stays as it was.
  const std::string before = rig::ReadFileBytes(copyIni);
  ::SetFileAttributesW(copyIni.c_str(), FILE_ATTRIBUTE_READONLY);
  {
    rig::ImmutablePath immutable(copyIni);
    const std::wstring message = L"Unable to write to " + rig::FromAnsi(rig::ToAnsi(copyIni));
    const auto result = rig::RunDialog(copy, "x", [&](Dialog& d) {
      d.Click("bCancel");
      for (int time = 1; time <= 2; ++time) {
        HWND box = rig::WaitForMessageBox(message);
        ASSERT_TRUE(box) << "error box " << time;
        rig::AnswerMessageBox(box, IDOK);
        EXPECT_TRUE(rig::WaitUntil([box] { return !::IsWindow(box); }));  // not found again as the second
      }
    });
    EXPECT_EQ(0, result.kind);
  }
  ::SetFileAttributesW(copyIni.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(before, rig::ReadFileBytes(copyIni));
}

}  // namespace
