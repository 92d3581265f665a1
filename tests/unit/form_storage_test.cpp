// The dialog's place, size and chosen properties in the ini file's section:
// a whole section written by one use of the dialog and read by the next, and
// damaged values that fall back one by one.
#include "core/dialog/form_storage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <strings.h>
#include <tuple>

#include "core/dialog/opening_state.h"

namespace markwash {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// An ini section that reads as the profile functions do and writes in place
// or at the end.
struct FakeProfile : ProfileSection {
  std::string Read(const std::string& key, const std::string& fallback) const override {
    const auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.first == key; });
    return it == entries.end() ? fallback : DecodeProfileText(it->second);
  }
  void Write(const std::string& key, const std::string& value) override {
    const auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.first == key; });
    if (it == entries.end()) entries.emplace_back(key, value);
    else it->second = value;
  }
  Entries entries;
};

// The dialog as first created, with a text, a number and a page property,
// kept under their profile keys; the width refuses values above 1000.
struct FakeDialog : StoredDialog {
  PlacementRecord Placement() const override { return record; }
  void ApplyPlacement(const PlacementRecord& r) override { record = r, applied = true; }
  void SetWindowState(WindowState s) override { props["ShowCmd"] = "NmM"[static_cast<int>(s)]; }
  void Repaint() override {}
  PositionWords Bounds() const override { return {215, 149, 808, 619}; }
  ScreenMetrics Screen() const override { return screen; }
  std::optional<PropertyRef> FindProperty(std::string_view component, std::string_view property) const override {
    for (const auto& [c, p, kind] : {std::tuple{"lTidyPath", "Caption", PropertyKind::Text},
                                     {"gFormats", "Width", PropertyKind::WholeNumber},
                                     {"pcNewTags", "ActivePage", PropertyKind::PageReference}}) {
      if (component == c && !strcasecmp(std::string(property).c_str(), p)) return PropertyRef{c, p, kind};
    }
    return std::nullopt;
  }
  std::string PropertyText(const PropertyRef& ref) const override { return props.at(ref.component); }
  void SetWholeNumber(const PropertyRef& ref, int value) override {
    props[ref.component] = value <= 1000 ? std::to_string(value) : throw std::runtime_error("refused");
  }
  void SetText(const PropertyRef& ref, const std::string& value) override { props[ref.component] = value; }
  void SetPageReference(const PropertyRef& ref, const std::string& stored) override {
    const std::vector<std::string> pages = {"tsNewBlocklevelTags", "tsNewInlineTags", "tsNewEmptyTags", "tsNewPreTags"};
    const auto page = FindPageByName(stored, "MarkwashForm", pages);
    props[ref.component] = page ? pages[*page] : "(null)";
  }
  // What the restore made of the value under a profile key.
  std::string Restored(const std::string& key) const {
    if (key == "NormPos" || key == "MinMaxPos")
      return applied ? FormatPositionWords(key == "NormPos" ? record.normal : record.minMax) : "centred";
    return props.at(key.substr(0, key.find('_')));
  }

  PlacementRecord record{0, 1, {-1, -1, -4, -30}, {215, 149, 808, 619}};
  ScreenMetrics screen{1024, 768, 96};
  bool applied = false;
  std::map<std::string, std::string> props = {
      {"lTidyPath", "Tidy.exe nicht gefunden!"}, {"gFormats", "190"}, {"pcNewTags", "tsNewEmptyTags"}, {"ShowCmd", "N"}};
};

class FormStorageTest : public ::testing::Test {
 protected:
  FormStorage Storage(FakeDialog& dialog) {
    return FormStorage(dialog, profile, 0, {"lTidyPath.Caption", "gFormats.width", "pcNewTags.ActivePage"});
  }
  FakeDialog Restore(const Entries& entries, FakeDialog dialog = {}) {
    profile.entries = entries;
    Storage(dialog).RestoreDialogState();
    return dialog;
  }
  FakeProfile profile;
};

TEST_F(FormStorageTest, TheFirstCloseWritesTheWholeSectionInOrderAndTheNextUseGetsItBack) {
  FakeDialog first;
  FormStorage storage = Storage(first);
  storage.RestoreDialogState();
  EXPECT_FALSE(first.applied) << "no stored position: the dialog stays centred";
  storage.SaveDialogState(false);
  EXPECT_EQ(profile.entries, (Entries{{"FormVersion", "0"}, {"Flags", "0"}, {"ShowCmd", "1"}, {"PixelsPerInch", "96"},
                                     {"MinMaxPos(1024x768)", "-1,-1,-4,-30"}, {"MinMaxPos", "-1,-1,-4,-30"},
                                     {"NormPos(1024x768)", "215,149,808,619"}, {"NormPos", "215,149,808,619"},
                                     {"Visible", "0"}, {"lTidyPath_Caption", "Tidy.exe nicht gefunden!"},
                                     {"gFormats_width", "190"}, {"pcNewTags_ActivePage", "tsNewEmptyTags"}}));
  first.record = {2, 3, {-1, -1, -4, -4}, {10, 20, 710, 560}};
  first.props["lTidyPath"] = "\"C:\\Program Files\\Tidy\\Tidy.exe\"";  // quotes of its own survive the profile
  first.props["gFormats"] = "240";
  first.props["pcNewTags"] = "tsNewPreTags";
  storage.SaveDialogState(true);
  EXPECT_EQ(profile.entries[8].second, "1") << "Visible";
  FakeDialog second = Restore(profile.entries);
  EXPECT_EQ(second.Restored("NormPos") + " " + second.props["ShowCmd"], "10,20,710,560 M");
  EXPECT_EQ(second.record.flags * 10 + second.record.showCmd, 20) << "the flags, applied to a hidden window";
  second.props["ShowCmd"] = "N";
  EXPECT_EQ(second.props, first.props);

}

TEST_F(FormStorageTest, StoredValuesFallBackOneByOneAndAnotherDensityOrAnOlderVersionKeepsTheCreatedSize) {
  for (const auto& [entries, key, restored] : {
           std::tuple<Entries, const char*, const char*>{{{"NormPos", "1,2,601,472"}, {"NormPos(800x600)", "5,6,605,476"}},
                                                         "NormPos", "5,6,605,476"},  // the screen's own first
           {{{"PixelsPerInch", "120"}, {"NormPos", "1,2,601,472"}, {"gFormats_width", "300"}}, "NormPos", "centred"},
           {{{"PixelsPerInch", "120"}, {"gFormats_width", "300"}}, "gFormats_width", "300"},
           {{{"FormVersion", "-1"}, {"NormPos", "1,2,601,472"}}, "NormPos", "centred"},
           {{{"NormPos", "10,x,700"}}, "NormPos", "10,149,700,619"},
           {{{"NormPos", "1 2, 3,,4,5"}}, "NormPos", "1,2,3,4"},
           {{{"NormPos", "700,20,600,500"}}, "NormPos", "centred"},
           {{{"MinMaxPos", "-1,y"}}, "MinMaxPos", "-1,0,0,0"},
           {{{"ShowCmd", "7"}}, "ShowCmd", "m"},  // N normal, m minimised, M maximised
           {{{"gFormats_width", "abc"}}, "gFormats_width", "0"},
           {{{"gFormats_width", " 250 "}}, "gFormats_width", "250"},
           {{{"gFormats_width", "2000"}, {"lTidyPath_Caption", "C:\\T.exe"}}, "gFormats_width", "190"},  // refused
           {{{"gFormats_width", "2000"}, {"lTidyPath_Caption", "C:\\T.exe"}}, "lTidyPath_Caption", "C:\\T.exe"},
           {{{"pcNewTags_ActivePage", "markwashform.TSNEWINLINETAGS"}}, "pcNewTags_ActivePage", "tsNewInlineTags"},
           {{{"pcNewTags_ActivePage", "OtherForm.tsNewInlineTags"}}, "pcNewTags_ActivePage", "(null)"}}) {
    FakeDialog dialog;
    dialog.screen = {800, 600, 96};
    EXPECT_EQ(Restore(entries, dialog).Restored(key), restored) << key << " from " << entries[0].second;
  }
  EXPECT_EQ(OpeningWindowState(WindowState::Minimized), WindowState::Normal);  // modal: never opened minimised
}

}  // namespace
}  // namespace markwash
