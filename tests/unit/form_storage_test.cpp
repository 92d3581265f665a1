#include "core/dialog/form_storage.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <stdexcept>
#include <utility>

#include "core/common/error.h"

namespace markwash {
namespace {

// An ini section that behaves as the profile functions do: a read strips
// blanks and one pair of enclosing quotes, a write replaces in place or
// appends at the end.
class FakeProfile : public ProfileSection {
 public:
  std::string Read(const std::string& key, const std::string& fallback) const override {
    for (const auto& [k, v] : entries) {
      if (k == key) return DecodeProfileText(v);
    }
    return fallback;
  }
  void Write(const std::string& key, const std::string& value) override {
    if (readOnly) throw Error("Unable to write to C:\\Markwash.ini");
    for (auto& [k, v] : entries) {
      if (k == key) {
        v = value;
        return;
      }
    }
    entries.emplace_back(key, value);
  }
  std::string Raw(const std::string& key) const {
    for (const auto& [k, v] : entries) {
      if (k == key) return v;
    }
    return "<missing>";
  }
  std::vector<std::pair<std::string, std::string>> entries;
  bool readOnly = false;
};

const std::vector<std::string> kPages = {"tsNewBlocklevelTags", "tsNewInlineTags", "tsNewEmptyTags",
                                         "tsNewPreTags"};

class FakeDialog : public StoredDialog {
 public:
  PlacementRecord Placement() const override { return record; }
  void ApplyPlacement(const PlacementRecord& r) override {
    record = r;
    applied = true;
  }
  void SetWindowState(WindowState s) override { state = s; }
  void Repaint() override {}
  PositionWords Bounds() const override { return bounds; }
  ScreenMetrics Screen() const override { return screen; }

  std::optional<PropertyRef> FindProperty(std::string_view component, std::string_view property) const override {
    auto lower = [](std::string_view s) {
      std::string out(s);
      for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      return out;
    };
    if (component == "lTidyPath" && lower(property) == "caption")
      return PropertyRef{"lTidyPath", "Caption", PropertyKind::Text};
    if ((component == "gSourceFormatting" || component == "gFormats") && lower(property) == "width")
      return PropertyRef{std::string(component), "Width", PropertyKind::WholeNumber};
    if (component == "pcNewTags" && lower(property) == "activepage")
      return PropertyRef{"pcNewTags", "ActivePage", PropertyKind::PageReference};
    return std::nullopt;
  }
  std::string PropertyText(const PropertyRef& ref) const override {
    if (ref.component == "lTidyPath") return caption;
    if (ref.component == "gSourceFormatting") return std::to_string(sourceWidth);
    if (ref.component == "gFormats") return std::to_string(formatsWidth);
    return page ? kPages[*page] : "(null)";
  }
  void SetWholeNumber(const PropertyRef& ref, int value) override {
    if (failWidths) throw std::runtime_error("cannot");
    (ref.component == "gFormats" ? formatsWidth : sourceWidth) = value;
  }
  void SetText(const PropertyRef&, const std::string& value) override { caption = value; }
  void SetPageReference(const PropertyRef&, const std::string& stored) override {
    page = FindPageByName(stored, "MarkwashForm", kPages);
  }

  PlacementRecord record{0, 1, {-1, -1, -4, -30}, {215, 149, 808, 619}};
  PositionWords bounds{215, 149, 808, 619};
  ScreenMetrics screen{1024, 768, 96};
  bool applied = false;
  WindowState state = WindowState::Normal;
  std::string caption = "Tidy.exe nicht gefunden!";
  int sourceWidth = 185;
  int formatsWidth = 190;
  std::optional<size_t> page = 0;
  bool failWidths = false;
};

const std::vector<std::string> kStoredProps = {"lTidyPath.Caption", "gSourceFormatting.Width", "gFormats.Width",
                                               "pcNewTags.ActivePage"};

class FormStorageTest : public ::testing::Test {
 protected:
  // One use of the dialog: restore, then close.
  void Use(FakeDialog& dialog, bool fromDestruction = false) {
    FormStorage storage(dialog, profile, 0, kStoredProps);
    storage.RestoreDialogState();
    if (change) change(dialog);
    storage.SaveDialogState(fromDestruction);
  }
  FakeProfile profile;
  std::function<void(FakeDialog&)> change;
};

TEST_F(FormStorageTest, FirstCloseWritesTheWholeSectionInOrder) {
  FakeDialog dialog;
  Use(dialog);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"FormVersion", "0"},
      {"Flags", "0"},
      {"ShowCmd", "1"},
      {"PixelsPerInch", "96"},
      {"MinMaxPos(1024x768)", "-1,-1,-4,-30"},
      {"MinMaxPos", "-1,-1,-4,-30"},
      {"NormPos(1024x768)", "215,149,808,619"},
      {"NormPos", "215,149,808,619"},
      {"Visible", "0"},
      {"lTidyPath_Caption", "Tidy.exe nicht gefunden!"},
      {"gSourceFormatting_Width", "185"},
      {"gFormats_Width", "190"},
      {"pcNewTags_ActivePage", "tsNewBlocklevelTags"},
  };
  EXPECT_EQ(profile.entries, expected);
  EXPECT_FALSE(dialog.applied) << "no stored position: the dialog stays centred";
}

TEST_F(FormStorageTest, ADialogNeverShownWritesNothing) {
  FakeDialog dialog;
  FormStorage storage(dialog, profile, 0, kStoredProps);
  storage.SaveDialogState(true);
  EXPECT_TRUE(profile.entries.empty());
  EXPECT_FALSE(storage.saved());
}

TEST_F(FormStorageTest, TheNextUseGetsBackWhatTheLastOneLeft) {
  FakeDialog first;
  change = [](FakeDialog& d) {
    d.record = {2, 3, {-1, -1, -4, -4}, {10, 20, 710, 560}};
    d.caption = "\"C:\\Program Files\\Tidy\\Tidy.exe\"";
    d.sourceWidth = 200;
    d.formatsWidth = 240;
    d.page = 3;
  };
  Use(first, true);
  EXPECT_EQ(profile.Raw("lTidyPath_Caption"), "\"\"C:\\Program Files\\Tidy\\Tidy.exe\"\"");
  EXPECT_EQ(profile.Raw("Visible"), "1");

  change = nullptr;
  FakeDialog second;
  FormStorage storage(second, profile, 0, kStoredProps);
  storage.RestoreDialogState();
  EXPECT_TRUE(second.applied);
  EXPECT_EQ(second.record.normal, (PositionWords{10, 20, 710, 560}));
  EXPECT_EQ(second.record.flags, 2);
  EXPECT_EQ(second.record.showCmd, 0) << "applied to a hidden window";
  EXPECT_EQ(second.state, WindowState::Maximized);
  EXPECT_EQ(second.caption, "\"C:\\Program Files\\Tidy\\Tidy.exe\"");
  EXPECT_EQ(second.sourceWidth, 200);
  EXPECT_EQ(second.formatsWidth, 240);
  EXPECT_EQ(second.page, 3u);
}

TEST_F(FormStorageTest, EachScreenResolutionKeepsItsOwnRectangle) {
  profile.entries = {{"NormPos", "1,2,601,472"}, {"NormPos(800x600)", "5,6,605,476"}};
  struct Case { int width, height; PositionWords normal; };
  const Case cases[] = {
      {800, 600, {5, 6, 605, 476}},
      {1024, 768, {1, 2, 601, 472}},  // no key of its own: the last one saved
  };
  for (const auto& c : cases) {
    FakeDialog dialog;
    dialog.screen = {c.width, c.height, 96};
    FormStorage(dialog, profile, 0, kStoredProps).RestoreDialogState();
    EXPECT_EQ(dialog.record.normal, c.normal) << c.width;
  }
}

TEST_F(FormStorageTest, AnotherDensityKeepsTheCreatedSizeButRestoresTheRest) {
  profile.entries = {{"PixelsPerInch", "120"}, {"NormPos", "1,2,601,472"}, {"ShowCmd", "3"},
                     {"gFormats_Width", "300"}};
  FakeDialog dialog;
  FormStorage(dialog, profile, 0, kStoredProps).RestoreDialogState();
  EXPECT_FALSE(dialog.applied);
  EXPECT_EQ(dialog.state, WindowState::Maximized);
  EXPECT_EQ(dialog.formatsWidth, 300);
}

TEST_F(FormStorageTest, DamagedValuesFallBackOneByOne) {
  struct Case {
    const char* key;
    const char* stored;
    std::function<void(const FakeDialog&)> check;
  };
  const Case cases[] = {
      {"gFormats_Width", "abc", [](const FakeDialog& d) { EXPECT_EQ(d.formatsWidth, 0); }},
      {"gFormats_Width", " 250 ", [](const FakeDialog& d) { EXPECT_EQ(d.formatsWidth, 250); }},
      {"pcNewTags_ActivePage", "tsnewpretags", [](const FakeDialog& d) { EXPECT_EQ(d.page, 3u); }},
      {"pcNewTags_ActivePage", "MarkwashForm.tsNewInlineTags", [](const FakeDialog& d) { EXPECT_EQ(d.page, 1u); }},
      {"pcNewTags_ActivePage", "(NULL)", [](const FakeDialog& d) { EXPECT_FALSE(d.page); }},
      {"pcNewTags_ActivePage", "bOK", [](const FakeDialog& d) { EXPECT_FALSE(d.page); }},
      {"lTidyPath_Caption", "", [](const FakeDialog& d) { EXPECT_EQ(d.caption, ""); }},
      {"NormPos", "10,x,700", [](const FakeDialog& d) {
         EXPECT_EQ(d.record.normal, (PositionWords{10, 149, 700, 619}));
       }},
      {"NormPos", "700,20,600,500", [](const FakeDialog& d) { EXPECT_FALSE(d.applied); }},
      {"MinMaxPos", "-1,y", [](const FakeDialog& d) {
         EXPECT_EQ(d.record.minMax, (PositionWords{-1, 0, 0, 0}));
         EXPECT_TRUE(d.applied) << "positions found; the normal rectangle is the current one";
       }},
      {"ShowCmd", "7", [](const FakeDialog& d) { EXPECT_EQ(d.state, WindowState::Minimized); }},
      {"ShowCmd", "x", [](const FakeDialog& d) { EXPECT_EQ(d.state, WindowState::Normal); }},
  };
  for (const auto& c : cases) {
    profile.entries = {{c.key, c.stored}};
    FakeDialog dialog;
    dialog.page = 2;
    FormStorage(dialog, profile, 0, kStoredProps).RestoreDialogState();
    SCOPED_TRACE(std::string(c.key) + "=" + c.stored);
    c.check(dialog);
  }
}

TEST_F(FormStorageTest, AnOlderVersionRestoresNothingAndTheNextCloseRewritesIt) {
  profile.entries = {{"FormVersion", "-1"}, {"NormPos", "1,2,601,472"}, {"gFormats_Width", "300"},
                     {"lTidyPath_Caption", "C:\\old\\Tidy.exe"}};
  FakeDialog dialog;
  FormStorage storage(dialog, profile, 0, kStoredProps);
  storage.RestoreDialogState();
  EXPECT_FALSE(dialog.applied);
  EXPECT_EQ(dialog.formatsWidth, 190);
  EXPECT_EQ(dialog.caption, "Tidy.exe nicht gefunden!");
  EXPECT_TRUE(storage.restored());
  storage.SaveDialogState(false);
  EXPECT_EQ(profile.Raw("FormVersion"), "0");
  EXPECT_EQ(profile.Raw("gFormats_Width"), "190");
  EXPECT_EQ(profile.Raw("NormPos"), "215,149,808,619");
}

TEST_F(FormStorageTest, AFailedWriteStopsTheSaveAndCountsAsNoSave) {
  FakeDialog dialog;
  FormStorage storage(dialog, profile, 0, kStoredProps);
  storage.RestoreDialogState();
  profile.readOnly = true;
  EXPECT_THROW(storage.SaveDialogState(false), Error);
  EXPECT_FALSE(storage.saved());
  EXPECT_TRUE(profile.entries.empty());
  profile.readOnly = false;
  storage.SaveDialogState(true);  // the destruction tries again
  EXPECT_TRUE(storage.saved());
  EXPECT_EQ(profile.Raw("Visible"), "1");
}

TEST_F(FormStorageTest, APropertyThatRefusesItsValueKeepsItAndTheOthersAreRead) {
  profile.entries = {{"lTidyPath_Caption", "C:\\Tidy.exe"}, {"gSourceFormatting_Width", "250"},
                     {"pcNewTags_ActivePage", "tsNewEmptyTags"}};
  FakeDialog dialog;
  dialog.failWidths = true;
  FormStorage(dialog, profile, 0, kStoredProps).RestoreDialogState();
  EXPECT_EQ(dialog.caption, "C:\\Tidy.exe");
  EXPECT_EQ(dialog.sourceWidth, 185);
  EXPECT_EQ(dialog.page, 2u);
}

TEST_F(FormStorageTest, EntriesThatNameNothingAreDropped) {
  FakeDialog dialog;
  const std::vector<std::string> entries = {"lTidyPath.caption", " gFormats . Width ", "noDot", ".Caption",
                                            "gFormats.", "mOutput.Caption", "gFormats.Height"};
  FormStorage storage(dialog, profile, 0, entries);
  EXPECT_EQ(storage.boundPropertyCount(), 2u);
  storage.RestoreDialogState();
  storage.SaveDialogState(false);
  EXPECT_EQ(profile.Raw("lTidyPath_caption"), "Tidy.exe nicht gefunden!");
  EXPECT_EQ(profile.Raw("gFormats_Width"), "190");
  EXPECT_EQ(profile.entries.size(), 11u);
}

}  // namespace
}  // namespace markwash
