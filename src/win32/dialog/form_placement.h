// TFormStorage: the dialog's state between uses in the placement file,
// section "GUI" — the window's placement and state, and the stored
// properties of its controls. The rules are the platform-neutral
// FormStorage; this class reaches the window, its controls and the
// Windows profile functions for them.
#pragma once
#include <windows.h>

#include <string>

#include "core/dialog/form_storage.h"
#include "core/dialog/opening_state.h"
#include "win32/dialog/control_set.h"

namespace markwash::win32 {

// One section of an ini file through GetPrivateProfileStringA and
// WritePrivateProfileStringA.
class IniFileSection : public ProfileSection {
 public:
  // `fileName` is read at each access: the dialog sets it after creation.
  IniFileSection(const std::string& fileName, std::string section) : fileName_(fileName), section_(std::move(section)) {}
  std::string Read(const std::string& key, const std::string& fallback) const override;
  // Raises "Unable to write to %s" when the file cannot be written.
  void Write(const std::string& key, const std::string& value) override;

 private:
  const std::string& fileName_;
  std::string section_;
};

class TFormStorage : private StoredDialog {
 public:
  TFormStorage(HWND form, ControlSet& controls, const std::string& iniFileName);

  void RestoreDialogState() { storage_.RestoreDialogState(); }
  void SaveDialogState(bool fromDestruction) { storage_.SaveDialogState(fromDestruction); }
  bool saved() const { return storage_.saved(); }
  // Whether the restore placed the window, so that it is not centred again.
  bool placed() const { return placed_; }
  // The ShowWindow command for the restored window state.
  int ShowCommand() const;

 private:
  PlacementRecord Placement() const override;
  void ApplyPlacement(const PlacementRecord& record) override;
  void SetWindowState(WindowState state) override { state_ = OpeningWindowState(state); }
  void Repaint() override { ::UpdateWindow(form_); }
  PositionWords Bounds() const override;
  ScreenMetrics Screen() const override;
  std::optional<PropertyRef> FindProperty(std::string_view component, std::string_view property) const override;
  std::string PropertyText(const PropertyRef& ref) const override;
  void SetWholeNumber(const PropertyRef& ref, int value) override;
  void SetText(const PropertyRef& ref, const std::string& value) override;
  void SetPageReference(const PropertyRef& ref, const std::string& storedName) override;

  HWND form_;
  ControlSet& controls_;
  IniFileSection profile_;
  bool placed_ = false;
  WindowState state_ = WindowState::Normal;
  FormStorage storage_;  // last: binding its properties asks the members above
};

}  // namespace markwash::win32
