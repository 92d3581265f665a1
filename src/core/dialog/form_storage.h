// Keeps a dialog's state between uses in one section of a profile (ini)
// file: the window's placement record per screen resolution, its window
// state, and a list of the dialog's properties named "component.property".
// The dialog and the profile file are reached through two small interfaces,
// so the rules run the same against a real window and in tests.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialog/placement_values.h"

namespace markwash {

// A window's placement: flags and show command as the window system reports
// them, minimized and maximized positions (min x, min y, max x, max y) and
// the normal rectangle (left, top, right, bottom).
struct PlacementRecord {
  int flags = 0;
  int showCmd = 0;
  PositionWords minMax{};
  PositionWords normal{};
};

struct ScreenMetrics {
  int width = 0;
  int height = 0;
  int pixelsPerInch = 96;
};

// One section of a profile file. A read gives what the profile functions
// give: the fallback for a missing key, one pair of enclosing quotes
// removed. A write that fails raises an Error.
class ProfileSection {
 public:
  virtual ~ProfileSection() = default;
  virtual std::string Read(const std::string& key, const std::string& fallback) const = 0;
  virtual void Write(const std::string& key, const std::string& value) = 0;
};

enum class PropertyKind { WholeNumber, Text, PageReference };

struct PropertyRef {
  std::string component;
  std::string property;  // as the dialog names it
  PropertyKind kind;
};

// The dialog as its storage sees it.
class StoredDialog {
 public:
  virtual ~StoredDialog() = default;
  virtual PlacementRecord Placement() const = 0;
  // Moves and sizes the still hidden window and stops it being centred when shown.
  virtual void ApplyPlacement(const PlacementRecord& record) = 0;
  virtual void SetWindowState(WindowState state) = 0;
  virtual void Repaint() = 0;
  virtual PositionWords Bounds() const = 0;  // left, top, right, bottom
  virtual ScreenMetrics Screen() const = 0;

  // A property of a component of the dialog, the property name matched
  // ignoring letter case; none when either does not exist.
  virtual std::optional<PropertyRef> FindProperty(std::string_view component, std::string_view property) const = 0;
  // The value as text: a number in decimal, a text unchanged, a page by its
  // component name or "(null)".
  virtual std::string PropertyText(const PropertyRef& ref) const = 0;
  virtual void SetWholeNumber(const PropertyRef& ref, int value) = 0;
  virtual void SetText(const PropertyRef& ref, const std::string& value) = 0;
  // Selects the page a stored name names, or none.
  virtual void SetPageReference(const PropertyRef& ref, const std::string& storedName) = 0;
};

class FormStorage {
 public:
  // `storedProps` entries "component.property"; entries that do not parse or
  // name nothing of the dialog are dropped here.
  FormStorage(StoredDialog& dialog, ProfileSection& profile, int version,
              const std::vector<std::string>& storedProps);

  // Reads the section and applies it. Afterwards the state counts as
  // restored, even when the stored version was too old to use.
  void RestoreDialogState();
  // Writes the section, when the state was restored in this dialog's life;
  // `fromDestruction` is written as "Visible".
  void SaveDialogState(bool fromDestruction);

  bool restored() const { return restored_; }
  bool saved() const { return saved_; }
  size_t boundPropertyCount() const { return props_.size(); }

 private:
  struct BoundProperty {
    std::string key;
    PropertyRef ref;
  };
  void ReadWindowPlacement();
  void ReadStoredProps();
  void WriteWindowPlacement();
  void WriteStoredProps();
  std::string ReadPositions(const std::string& key, const ScreenMetrics& screen) const;

  StoredDialog& dialog_;
  ProfileSection& profile_;
  int version_;
  std::vector<BoundProperty> props_;
  bool restored_ = false;
  bool saved_ = false;
};

}  // namespace markwash
