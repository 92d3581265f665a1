// The dialog's place, size and chosen properties in the ini file's section:
// the values as the profile functions store them, and a whole section
// written by one use of the dialog and read by the next.
#include "core/dialog/form_storage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <functional>
#include <stdexcept>

#include "core/common/error.h"
#include "core/common/whole_number.h"
#include "core/dialog/opening_state.h"

namespace markwash {
namespace {

TEST(PlacementValuesTest, NumbersStatesAndPageNamesFallBackOneByOne) {
  const PositionWords defaults{10, 20, 603, 490};
  const std::pair<const char*, PositionWords> words[] = {
      {"-32000,-32000,-1,-1", {-32000, -32000, -1, -1}}, {"1 2, 3,,4", {1, 2, 3, 4}}, {"1,x,3", {1, 20, 3, 490}},
      {"1,2,3,4,5", {1, 2, 3, 4}}, {"1.5,2,99999999999,+4", {10, 2, 603, 4}}};
  for (const auto& [text, parsed] : words) EXPECT_EQ(ParsePositionWords(text, defaults), parsed) << text;
  EXPECT_EQ(FormatPositionWords({-8, -8, 1032, 776}), "-8,-8,1032,776");
  EXPECT_EQ(ScreenSizeKey("NormPos", 1920, 1080), "NormPos(1920x1080)");
  for (const auto& [text, value] : {std::pair{"-2147483648", INT_MIN}, {"+7", 7}, {"12abc", 0}, {" 5", 0},
                                    {"2147483648", 0}}) {
    EXPECT_EQ(WholeNumberOr(text, 0), value) << text;
  }
  using S = WindowState;
  const S states[] = {S::Normal, S::Normal, S::Normal, S::Minimized, S::Maximized, S::Normal, S::Normal,
                      S::Minimized, S::Minimized, S::Normal, S::Normal};
  for (int show_cmd = -1; show_cmd <= 9; ++show_cmd) {
    EXPECT_EQ(WindowStateFromShowCmd(show_cmd), states[show_cmd + 1]) << show_cmd;
    const S opening = states[show_cmd + 1] == S::Minimized ? S::Normal : states[show_cmd + 1];
    EXPECT_EQ(OpeningWindowState(states[show_cmd + 1]), opening) << show_cmd;
  }
  const std::vector<std::string> pages = {"tsNewBlocklevelTags", "tsNewInlineTags", "tsNewEmptyTags", "tsNewPreTags"};
  const std::pair<const char*, std::optional<size_t>> names[] = {
      {"tsnewpretags", 3},     {"(NULL)", std::nullopt}, {"tsOptions", std::nullopt},
      {"markwashform.TSNEWEMPTYTAGS", 2}, {"OtherForm.tsNewEmptyTags", std::nullopt}, {"tsNewPreTags ", std::nullopt}};
  for (const auto& [stored, page] : names) EXPECT_EQ(FindPageByName(stored, "MarkwashForm", pages), page) << stored;
}

// An ini section that reads as the profile functions do and writes in place
// or at the end.
class FakeProfile : public ProfileSection {
 public:
  std::string Read(const std::string& key, const std::string& fallback) const override {
    const auto it = Find(key);
    return it == entries.end() ? fallback : DecodeProfileText(it->second);
  }
  void Write(const std::string& key, const std::string& value) override {
    if (read_only) throw Error("Unable to write to C:\\Markwash.ini");
    const auto it = Find(key);
    if (it == entries.end()) entries.emplace_back(key, value);
    else const_cast<std::string&>(it->second) = value;
  }
  std::string Raw(const std::string& key) const {
    const auto it = Find(key);
    return it == entries.end() ? "<missing>" : it->second;
  }
  std::vector<std::pair<std::string, std::string>> entries;
  bool read_only = false;

 private:
  std::vector<std::pair<std::string, std::string>>::const_iterator Find(const std::string& key) const {
    return std::find_if(entries.begin(), entries.end(), [&](const auto& entry) { return entry.first == key; });
  }
};

const std::vector<std::string> kPages = {"tsNewBlocklevelTags", "tsNewInlineTags", "tsNewEmptyTags", "tsNewPreTags"};

class FakeDialog : public StoredDialog {
 public:
  PlacementRecord Placement() const override { return record; }
  void ApplyPlacement(const PlacementRecord& r) override { record = r, applied = true; }
  void SetWindowState(WindowState s) override { state = s; }
  void Repaint() override {}
  PositionWords Bounds() const override { return {215, 149, 808, 619}; }
  ScreenMetrics Screen() const override { return screen; }
  std::optional<PropertyRef> FindProperty(std::string_view component, std::string_view property) const override {
    std::string lower(property);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (component == "lTidyPath" && lower == "caption") return PropertyRef{"lTidyPath", "Caption", PropertyKind::Text};
    if (component == "gFormats" && lower == "width") return PropertyRef{"gFormats", "Width", PropertyKind::WholeNumber};
    if (component == "pcNewTags" && lower == "activepage")
      return PropertyRef{"pcNewTags", "ActivePage", PropertyKind::PageReference};
    return std::nullopt;
  }
  std::string PropertyText(const PropertyRef& ref) const override {
    if (ref.component == "lTidyPath") return caption;
    if (ref.component == "gFormats") return std::to_string(width);
    return page ? kPages[*page] : "(null)";
  }
  void SetWholeNumber(const PropertyRef&, int value) override {
    if (refuse_width) throw std::runtime_error("cannot");
    width = value;
  }
  void SetText(const PropertyRef&, const std::string& value) override { caption = value; }
  void SetPageReference(const PropertyRef&, const std::string& stored) override {
    page = FindPageByName(stored, "MarkwashForm", kPages);
  }

  PlacementRecord record{0, 1, {-1, -1, -4, -30}, {215, 149, 808, 619}};
  ScreenMetrics screen{1024, 768, 96};
  bool applied = false, refuse_width = false;
  WindowState state = WindowState::Normal;
  std::string caption = "Tidy.exe nicht gefunden!";
  int width = 190;
  std::optional<size_t> page = 0;
};

const std::vector<std::string> kStoredProps = {"lTidyPath.Caption", "gFormats.Width", "pcNewTags.ActivePage"};

class FormStorageTest : public ::testing::Test {
 protected:
  FakeDialog Restored(std::function<void(FakeDialog&)> prepare = {}) {
    FakeDialog dialog;
    if (prepare) prepare(dialog);
    FormStorage(dialog, profile, 0, kStoredProps).RestoreDialogState();
    return dialog;
  }
  FakeProfile profile;
};

TEST_F(FormStorageTest, TheFirstCloseWritesTheWholeSectionInOrderAndTheNextUseGetsItBack) {
  FakeDialog never_shown;
  FormStorage(never_shown, profile, 0, kStoredProps).SaveDialogState(true);
  EXPECT_TRUE(profile.entries.empty());

  FakeDialog first;
  FormStorage storage(first, profile, 0, kStoredProps);
  storage.RestoreDialogState();
  EXPECT_FALSE(first.applied) << "no stored position: the dialog stays centred";
  storage.SaveDialogState(false);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"FormVersion", "0"}, {"Flags", "0"}, {"ShowCmd", "1"}, {"PixelsPerInch", "96"},
      {"MinMaxPos(1024x768)", "-1,-1,-4,-30"}, {"MinMaxPos", "-1,-1,-4,-30"},
      {"NormPos(1024x768)", "215,149,808,619"}, {"NormPos", "215,149,808,619"}, {"Visible", "0"},
      {"lTidyPath_Caption", "Tidy.exe nicht gefunden!"}, {"gFormats_Width", "190"},
      {"pcNewTags_ActivePage", "tsNewBlocklevelTags"}};
  EXPECT_EQ(profile.entries, expected);

  first.record = {2, 3, {-1, -1, -4, -4}, {10, 20, 710, 560}};
  first.caption = "\"C:\\Program Files\\Tidy\\Tidy.exe\"";  // quotes of its own survive the profile
  first.width = 240;
  first.page = 3;
  storage.SaveDialogState(true);
  EXPECT_EQ(profile.Raw("Visible"), "1");
  const FakeDialog second = Restored();
  EXPECT_TRUE(second.applied);
  EXPECT_EQ(second.record.normal, (PositionWords{10, 20, 710, 560}));
  EXPECT_EQ(second.record.flags, 2);
  EXPECT_EQ(second.record.showCmd, 0) << "applied to a hidden window";
  EXPECT_EQ(second.state, WindowState::Maximized);
  EXPECT_EQ(second.caption, first.caption);
  EXPECT_EQ(second.width, 240);
  EXPECT_EQ(second.page, 3u);
}

TEST_F(FormStorageTest, EachResolutionHasItsRectangleAndAnotherDensityKeepsTheCreatedSize) {
  profile.entries = {{"NormPos", "1,2,601,472"}, {"NormPos(800x600)", "5,6,605,476"}};
  EXPECT_EQ(Restored([](FakeDialog& d) { d.screen = {800, 600, 96}; }).record.normal, (PositionWords{5, 6, 605, 476}));
  EXPECT_EQ(Restored().record.normal, (PositionWords{1, 2, 601, 472}));  // no key of its own: the last saved
  profile.entries = {{"PixelsPerInch", "120"}, {"NormPos", "1,2,601,472"}, {"ShowCmd", "3"}, {"gFormats_Width", "300"}};
  const FakeDialog dialog = Restored();
  EXPECT_FALSE(dialog.applied);
  EXPECT_EQ(dialog.state, WindowState::Maximized);
  EXPECT_EQ(dialog.width, 300);
}

TEST_F(FormStorageTest, DamagedValuesFallBackOneByOne) {
  const struct {
    const char *key, *stored;
    std::function<void(const FakeDialog&)> check;
  } cases[] = {
      {"gFormats_Width", "abc", [](const FakeDialog& d) { EXPECT_EQ(d.width, 0); }},
      {"gFormats_Width", " 250 ", [](const FakeDialog& d) { EXPECT_EQ(d.width, 250); }},
      {"pcNewTags_ActivePage", "MarkwashForm.tsNewInlineTags", [](const FakeDialog& d) { EXPECT_EQ(d.page, 1u); }},
      {"pcNewTags_ActivePage", "bOK", [](const FakeDialog& d) { EXPECT_FALSE(d.page); }},
      {"NormPos", "10,x,700", [](const FakeDialog& d) { EXPECT_EQ(d.record.normal, (PositionWords{10, 149, 700, 619})); }},
      {"NormPos", "700,20,600,500", [](const FakeDialog& d) { EXPECT_FALSE(d.applied); }},
      {"MinMaxPos", "-1,y", [](const FakeDialog& d) { EXPECT_EQ(d.record.minMax, (PositionWords{-1, 0, 0, 0})); }},
      {"ShowCmd", "7", [](const FakeDialog& d) { EXPECT_EQ(d.state, WindowState::Minimized); }},
  };
  for (const auto& c : cases) {
    profile.entries = {{c.key, c.stored}};
    SCOPED_TRACE(std::string(c.key) + "=" + c.stored);
    c.check(Restored([](FakeDialog& d) { d.page = 2; }));
  }
}

TEST_F(FormStorageTest, AnOlderVersionRestoresNothingAndTheNextCloseRewritesIt) {
  profile.entries = {{"FormVersion", "-1"}, {"NormPos", "1,2,601,472"}, {"gFormats_Width", "300"},
                     {"lTidyPath_Caption", "C:\\old\\Tidy.exe"}};
  FakeDialog dialog;
  FormStorage storage(dialog, profile, 0, kStoredProps);
  storage.RestoreDialogState();
  EXPECT_FALSE(dialog.applied);
  EXPECT_EQ(dialog.width, 190);
  EXPECT_EQ(dialog.caption, "Tidy.exe nicht gefunden!");
  storage.SaveDialogState(false);
  EXPECT_EQ(profile.Raw("FormVersion"), "0");
  EXPECT_EQ(profile.Raw("NormPos"), "215,149,808,619");
}

TEST_F(FormStorageTest, AFailedWriteCountsAsNoSaveAndARefusedPropertyKeepsItsValue) {
  FakeDialog dialog;
  FormStorage storage(dialog, profile, 0, kStoredProps);
  storage.RestoreDialogState();
  profile.read_only = true;
  EXPECT_THROW(storage.SaveDialogState(false), Error);
  EXPECT_FALSE(storage.saved());
  profile.read_only = false;
  storage.SaveDialogState(true);  // the destruction tries again
  EXPECT_TRUE(storage.saved());

  profile.entries = {{"lTidyPath_Caption", "C:\\Tidy.exe"}, {"gFormats_Width", "250"},
                     {"pcNewTags_ActivePage", "tsNewEmptyTags"}};
  const FakeDialog refusing = Restored([](FakeDialog& d) { d.refuse_width = true; });
  EXPECT_EQ(refusing.caption, "C:\\Tidy.exe");
  EXPECT_EQ(refusing.width, 190);
  EXPECT_EQ(refusing.page, 2u);
}

TEST_F(FormStorageTest, EntriesThatNameNothingAreDropped) {
  FakeDialog dialog;
  FormStorage storage(dialog, profile, 0,
                      {"lTidyPath.caption", " gFormats . Width ", "noDot", ".Caption", "gFormats.", "gFormats.Height"});
  EXPECT_EQ(storage.boundPropertyCount(), 2u);
  storage.RestoreDialogState();
  storage.SaveDialogState(false);
  EXPECT_EQ(profile.Raw("lTidyPath_caption"), "Tidy.exe nicht gefunden!");
  EXPECT_EQ(profile.entries.size(), 11u);
}

}  // namespace
}  // namespace markwash
