#include "core/dialog/form_storage.h"

#include <exception>

#include "core/common/ascii_text.h"
#include "core/common/whole_number.h"

namespace markwash {
namespace {

std::string_view Trim(std::string_view text) { return TrimAscii(text, IsAsciiSpaceOrControl); }

constexpr int kShowHidden = 0;

}  // namespace

FormStorage::FormStorage(StoredDialog& dialog, ProfileSection& profile, int version,
                         const std::vector<std::string>& storedProps)
    : dialog_(dialog), profile_(profile), version_(version) {
  for (const std::string& entry : storedProps) {
    const size_t dot = entry.find('.');
    if (dot == std::string::npos) continue;
    const std::string_view component = Trim(std::string_view(entry).substr(0, dot));
    const std::string_view property = Trim(std::string_view(entry).substr(dot + 1));
    if (component.empty() || property.empty()) continue;
    if (auto ref = dialog_.FindProperty(component, property))
      props_.push_back({std::string(component) + "_" + std::string(property), std::move(*ref)});
  }
}

void FormStorage::RestoreDialogState() {
  saved_ = false;
  try {
    if (WholeNumberOr(profile_.Read("FormVersion", "0"), 0) >= version_) {
      ReadWindowPlacement();
      ReadStoredProps();
    }
  } catch (...) {
    restored_ = true;  // the next close writes a fresh section all the same
    throw;
  }
  restored_ = true;
}

std::string FormStorage::ReadPositions(const std::string& key, const ScreenMetrics& screen) const {
  std::string text = profile_.Read(ScreenSizeKey(key, screen.width, screen.height), "");
  if (text.empty()) text = profile_.Read(key, "");
  return text;
}

void FormStorage::ReadWindowPlacement() {
  PlacementRecord record = dialog_.Placement();
  record.showCmd = kShowHidden;  // the window is not visible yet
  record.flags = WholeNumberOr(profile_.Read("Flags", std::to_string(record.flags)), record.flags);
  const ScreenMetrics screen = dialog_.Screen();
  bool found = false;
  if (const std::string text = ReadPositions("MinMaxPos", screen); !text.empty()) {
    record.minMax = ParsePositionWords(text, {0, 0, 0, 0});
    found = true;
  }
  if (const std::string text = ReadPositions("NormPos", screen); !text.empty()) {
    record.normal = ParsePositionWords(text, dialog_.Bounds());
    found = true;
  }
  const int storedDensity =
      WholeNumberOr(profile_.Read("PixelsPerInch", std::to_string(screen.pixelsPerInch)), screen.pixelsPerInch);
  if (storedDensity != screen.pixelsPerInch) found = false;  // sizes of another density would be wrong here
  if (found && record.normal[2] > record.normal[0]) dialog_.ApplyPlacement(record);
  dialog_.SetWindowState(WindowStateFromShowCmd(WholeNumberOr(profile_.Read("ShowCmd", "0"), 0)));
  dialog_.Repaint();
}

void FormStorage::ReadStoredProps() {
  for (const BoundProperty& prop : props_) {
    try {
      const std::string text(Trim(profile_.Read(prop.key, dialog_.PropertyText(prop.ref))));
      switch (prop.ref.kind) {
        case PropertyKind::WholeNumber:
          dialog_.SetWholeNumber(prop.ref, WholeNumberOr(text, 0));
          break;
        case PropertyKind::Text:
          dialog_.SetText(prop.ref, text);
          break;
        case PropertyKind::PageReference:
          dialog_.SetPageReference(prop.ref, text);
          break;
      }
    } catch (const std::exception&) {
      // One property that cannot take its value keeps the one it has.
    }
  }
}

void FormStorage::SaveDialogState(bool fromDestruction) {
  if (!restored_) return;  // never shown: nothing worth keeping
  profile_.Write("FormVersion", std::to_string(version_));
  WriteWindowPlacement();
  profile_.Write("Visible", fromDestruction ? "1" : "0");
  WriteStoredProps();
  saved_ = true;
}

void FormStorage::WriteWindowPlacement() {
  const PlacementRecord record = dialog_.Placement();
  const ScreenMetrics screen = dialog_.Screen();
  profile_.Write("Flags", std::to_string(record.flags));
  profile_.Write("ShowCmd", std::to_string(record.showCmd));
  profile_.Write("PixelsPerInch", std::to_string(screen.pixelsPerInch));
  const std::string minMax = EncodeProfileText(FormatPositionWords(record.minMax));
  profile_.Write(ScreenSizeKey("MinMaxPos", screen.width, screen.height), minMax);
  profile_.Write("MinMaxPos", minMax);
  const std::string normal = EncodeProfileText(FormatPositionWords(record.normal));
  profile_.Write(ScreenSizeKey("NormPos", screen.width, screen.height), normal);
  profile_.Write("NormPos", normal);
}

void FormStorage::WriteStoredProps() {
  for (const BoundProperty& prop : props_) profile_.Write(prop.key, EncodeProfileText(dialog_.PropertyText(prop.ref)));
}

}  // namespace markwash
