// The Tidy a user downloads today (the HTML5 Tidy, here 5.6.0 built from
// source) in the real dialog: the run configuration speaks its keys and
// encodings, an older or silent Tidy gets the option set as it is, and the
// package runs from a bare folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/dialog/about_page_texts.h"
#include "rig/rig.h"

namespace {

using rig::Dialog;

constexpr int kScriptPage = 3;
constexpr int kAboutPage = 4;

bool Has(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }
bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string WithoutCarriageReturns(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

// Runs a program to its end within the limit; its exit code, or -1.
int RunProgram(std::wstring commandLine, const std::wstring& folder, const wchar_t* environment = nullptr) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        const_cast<wchar_t*>(environment), folder.c_str(), &startup, &info))
    return -1;
  DWORD code = static_cast<DWORD>(-1);
  if (::WaitForSingleObject(info.hProcess, 120000) == WAIT_OBJECT_0) ::GetExitCodeProcess(info.hProcess, &code);
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  return static_cast<int>(code);
}

void RunTidy(const Dialog& d) {
  d.Click("bRunTidy");
  d.Sync();
}

void Check(const Dialog& d, const char* box) {
  if (!rig::IsChecked(d.Get(box))) d.Click(box);
  d.Sync();
  EXPECT_TRUE(rig::IsChecked(d.Get(box))) << box;
}

// The value of a text in the DLL's version resource, e.g. "ProductVersion".
std::wstring VersionResourceText(const std::wstring& dll, const std::wstring& key) {
  HMODULE data = ::LoadLibraryExW(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC found = data ? ::FindResourceW(data, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION) : nullptr;
  std::wstring resource;
  if (found) {
    const auto* words = static_cast<const wchar_t*>(::LockResource(::LoadResource(data, found)));
    resource.assign(words, ::SizeofResource(data, found) / sizeof(wchar_t));
  }
  if (data) ::FreeLibrary(data);
  size_t at = resource.find(key + L'\0');
  if (at == std::wstring::npos) return {};
  at = resource.find_first_not_of(L'\0', at + key.size());  // the value follows its key's padding
  return resource.substr(at, resource.find(L'\0', at) - at);
}

// A stand-in Tidy whose answer to "-v" is given.
void PlaceFakeTidy(const rig::PluginFolder& plugin, const std::string& answer) {
  plugin.CopyProgramHere(L"fake_tidy_versions.exe", L"Tidy.exe");
  rig::WriteFileBytes(plugin.Path(L"version.txt"), answer);
}

TEST(TodaysTidy, FactoryRunSaysNothingFalseAndGivesTodaysOutput) {
  rig::PluginFolder plugin("todays-factory");
  plugin.CopyTidyHere();
  // €, „ “ and – as the editor hands them over, in code page 1252.
  const std::string document = "<title>T</title><p>Preis 5 \x80 \x84ja\x93 \x96 gut</p>";
  std::string script;
  const auto result = rig::RunDialog(plugin, document.c_str(), [&](Dialog& d) {
    Check(d, "cbMarkup");
    RunTidy(d);
    const std::wstring messages = d.Text("mErrors");
    EXPECT_FALSE(Has(messages, L"unknown option")) << rig::Narrow(messages);
    EXPECT_FALSE(Has(messages, L"invalid character code")) << rig::Narrow(messages);
    EXPECT_FALSE(Has(messages, L"Markwash:")) << rig::Narrow(messages);
    EXPECT_TRUE(Has(rig::HintText(d.window(), d.Get("lTidyPath")), L"\r\n\r\nHTML Tidy 5.6.0"));
    d.SelectPage("Pages", kAboutPage);
    EXPECT_EQ(L"Das Plugin verwendet HTML Tidy 5.6.0.", d.Text("lTidyNeeded"));
    d.SelectPage("Pages", kScriptPage);
    script = rig::ToAnsi(d.Text("mCfg"));
    d.Click("bOK");
  });
  EXPECT_TRUE(Has(result.text, "Preis 5 &euro; &bdquo;ja")) << result.text;
  // The same option set handed to Tidy as it stands (as before this Tidy was
  // known) gives the same document.
  rig::WriteFileBytes(plugin.Path(L"before.cfg"), script);
  rig::WriteFileBytes(plugin.Path(L"before.html"), document);
  RunProgram(L"\"" + plugin.Path(L"Tidy.exe") + L"\" -config before.cfg -modify -f before.txt before.html",
             plugin.folder());
  EXPECT_EQ(WithoutCarriageReturns(rig::ReadFileBytes(plugin.Path(L"before.html"))),
            WithoutCarriageReturns(result.text));
}

TEST(TodaysTidy, ValuesArriveInUtf8AndWhatThisTidyCannotTakeIsNamed) {
  rig::PluginFolder plugin("todays-values");
  plugin.CopyTidyHere();
  const auto result = rig::RunDialog(plugin, "<title>T</title><p><font size=2>x</font><img src=a.png>", [](Dialog& d) {
    Check(d, "cbMarkup");
    Check(d, "cbClean");
    Check(d, "cbDropFontTags");
    Check(d, "cbAltText");
    d.SetText("eAltText", L"Größe für Äpfel, Öl, Übel: 5 €");
    RunTidy(d);
    const std::wstring messages = d.Text("mErrors");
    EXPECT_TRUE(Has(messages, L"Markwash: Diese Tidy-Version kann in alt-text die Zeichen ß Ä Ö Ü € nicht lesen; "
                              L"sie kommen verändert an.\r\n"))
        << rig::Narrow(messages);
    EXPECT_TRUE(Has(messages, L"drop-font-tags (Font-Tags entfernen) nicht; Font-Tags entfernt sie mit »Clean«."))
        << rig::Narrow(messages);
    EXPECT_FALSE(Has(messages, L"unknown option")) << rig::Narrow(messages);
    d.Click("bOK");
  });
  // Lower-case umlauts and the rest of the text arrive; Clean removed the font tag.
  EXPECT_TRUE(Has(result.text, "\"Gr&ouml;")) << result.text;
  EXPECT_TRUE(Has(result.text, "f&uuml;r ")) << result.text;
  EXPECT_FALSE(Has(result.text, "<font")) << result.text;
}

TEST(TodaysTidy, StoredFileOfOldKeysReadsAndRunsTheSameForOldAndNewTidy) {
  rig::PluginFolder plugin("todays-stored");
  // A default option file as saved before the HTML5 Tidy was known.
  const std::string stored =
      "// Konfigurationsdatei f\xFCr HTML Tidy\r\n// erstellt vom Markwash Plugin fuer Lorvane's HTML-Editor\r\n"
      "// Markwash bringt HTML Tidy in den HTML-Editor\r\n\r\nmarkup: yes\r\nhide-endtags: yes\r\n"
      "add-xml-pi: no\r\nalt-text: Bild \xFC\r\nchar-encoding: ascii\r\n";
  rig::WriteFileBytes(plugin.Path(L"Markwash.cfg"), stored);
  PlaceFakeTidy(plugin, "HTML Tidy for Windows released on 4 August 2000\r\n");
  rig::RunDialog(plugin, "<p>x", [&](Dialog& d) {
    EXPECT_TRUE(rig::IsChecked(d.Get("cbHideEndTags")));
    EXPECT_FALSE(rig::FileExists(plugin.Path(L"asked.txt"))) << "asked while the dialog opened";
    RunTidy(d);
    RunTidy(d);
    EXPECT_EQ("-v\n", rig::ReadFileBytes(plugin.Path(L"asked.txt"))) << "asked once per file";
    EXPECT_TRUE(Has(rig::HintText(d.window(), d.Get("lTidyPath")), L"\r\n\r\nVersion unbekannt"));
    EXPECT_FALSE(Has(d.Text("mErrors"), L"Markwash:"));
    d.Click("bAsDefaultOptions");
    d.Sync();
    d.Click("bCancel");
  });
  // The older Tidy got the option set byte for byte, and saving kept the old keys.
  const std::string saved = rig::ReadFileBytes(plugin.Path(L"Markwash.cfg"));
  EXPECT_EQ(saved, rig::ReadFileBytes(plugin.Path(L"seen.cfg")));
  EXPECT_TRUE(Has(saved, "\r\nhide-endtags: yes\r\n")) << saved;
  EXPECT_FALSE(Has(saved, "omit-optional-tags")) << saved;

  // Today's Tidy in its place is a new file: asked anew, it omits the end tags.
  plugin.CopyTidyHere();
  const auto result = rig::RunDialog(plugin, "<title>T</title><p>eins<p>zwei", [&](Dialog& d) {
    RunTidy(d);
    EXPECT_FALSE(Has(d.Text("mErrors"), L"unknown option")) << rig::Narrow(d.Text("mErrors"));
    d.Click("bOK");
  });
  EXPECT_TRUE(Has(result.text, "<p>eins\r\n")) << result.text;
  EXPECT_FALSE(Has(result.text, "</p>")) << result.text;
}

TEST(TodaysTidy, TidyThatHangsOnItsVersionRunsAsUnknown) {
  rig::PluginFolder plugin("todays-hang");
  PlaceFakeTidy(plugin, "hang");
  rig::RunDialog(plugin, "<p>x", [&](Dialog& d) {
    d.SelectPage("Pages", kScriptPage);
    const std::string script = rig::ToAnsi(d.Text("mCfg"));
    d.Click("bRunTidy");  // waits for "-v" to its time limit first
    EXPECT_TRUE(rig::WaitUntil([&] { return rig::IsEnabled(d.Get("bOK")); }, 60000));
    EXPECT_EQ(script, rig::ReadFileBytes(plugin.Path(L"seen.cfg")));
    d.SelectPage("Pages", kAboutPage);
    EXPECT_EQ(L"Das Plugin verwendet Tidy.exe (Version unbekannt).", d.Text("lTidyNeeded"));
    d.Click("bOK");
  });
}

TEST(TodaysTidy, PackageRunsFromABareFolderWithoutOtherTidy) {
  rig::PluginFolder plugin("todays-package");
  const std::wstring repository = rig::RepositoryFolder(L"package.sh");
  const std::string work = rig::UnixPath(plugin.folder());
  std::string output;
  // Built twice into two folders: the same bytes.
  ASSERT_EQ(0, rig::RunUnixScript("set -e; cd '" + work + "'; for n in 1 2; do bash '" + rig::UnixPath(repository) +
                                      "tools/package.sh' dist$n >/dev/null; done; cmp dist1/Markwash-*.zip dist2/Markwash-*.zip;"
                                      " mkdir bare; cd bare; unzip -q ../dist1/Markwash-*.zip; LC_ALL=C ls",
                                  &output, 240000))
      << output;
  EXPECT_EQ("LIESMICH.txt\nMarkwash.dll\nTidy-Lizenz.txt\nTidy.exe\n", output);
  // One version in the package's name, the DLL's resource and the about page.
  const std::string version(markwash::about::kVersionDate);
  EXPECT_TRUE(rig::FileExists(plugin.Path(L"dist1\\Markwash-" + rig::Widen(version) + L".zip")));
  const std::wstring bare = plugin.Path(L"bare\\");
  EXPECT_EQ(rig::Widen(version), VersionResourceText(bare + L"Markwash.dll", L"ProductVersion"));
  EXPECT_TRUE(Has(std::string(markwash::about::kVersionCaption), version));
  rig::WriteFileBytes(bare + L"in.html", "<title>T</title><p>sauber");
  const wchar_t environment[] = L"PATH=C:\\windows\\system32;C:\\windows\0\0";
  const std::wstring host = rig::ProgramFolder() + L"markwash-host.exe";
  EXPECT_EQ(0, RunProgram(L"\"" + host + L"\" --headless \"" + bare + L"Markwash.dll\" in.html out.html", bare,
                          environment));
  EXPECT_TRUE(Has(rig::ReadFileBytes(bare + L"out.html"), "<p>sauber</p>"));
}

}  // namespace
