#include "win32/dialog/form_placement.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "core/common/ascii_text.h"
#include "core/common/error.h"
#include "core/dialog/layout_table.h"
#include "win32/common/text_encoding.h"
#include "win32/common/unique_handle.h"
#include "win32/common/window_text.h"

namespace markwash::win32 {
namespace {

constexpr int kVersion = 0;
constexpr char kSection[] = "GUI";
constexpr DWORD kMaxValueLength = 1023;

// "component.property", the names as the placement file keeps them.
std::string Prop(ControlId id, std::string_view property) {
  return std::string(LayoutRow(id).name) + "." + std::string(property);
}

std::vector<std::string> StoredProps() {
  // The preview's height came later: a file without its key keeps the designed height.
  return {Prop(ControlId::lTidyPath, "Caption"), Prop(ControlId::gSourceFormatting, "Width"),
          Prop(ControlId::gFormats, "Width"), Prop(ControlId::pcNewTags, "ActivePage"),
          Prop(ControlId::SourcePanel, "Height")};
}

// The sheets of a page control, in the order of their tabs.
std::vector<std::string> SheetsOf(std::string_view pageControl) {
  std::vector<std::string> sheets;
  for (const ControlSpec& row : DialogLayout())
    if (row.parent == pageControl && row.kind == ControlKind::TabSheet) sheets.emplace_back(row.name);
  return sheets;
}

}  // namespace

std::string IniFileSection::Read(const std::string& key, const std::string& fallback) const {
  std::string value(kMaxValueLength + 1, '\0');
  const DWORD length = ::GetPrivateProfileStringA(section_.c_str(), key.c_str(), fallback.c_str(), value.data(),
                                                  kMaxValueLength + 1, fileName_.c_str());
  value.resize(length);
  return value;
}

void IniFileSection::Write(const std::string& key, const std::string& value) {
  if (!::WritePrivateProfileStringA(section_.c_str(), key.c_str(), value.c_str(), fileName_.c_str()))
    throw Error(FormatMessageText("Unable to write to %s", fileName_));
}

TFormStorage::TFormStorage(HWND form, ControlSet& controls, const std::string& iniFileName)
    : form_(form), controls_(controls), profile_(iniFileName, kSection),
      storage_(*this, profile_, kVersion, StoredProps()) {}

int TFormStorage::ShowCommand() const {
  switch (state_) {
    case WindowState::Maximized: return SW_SHOWMAXIMIZED;
    case WindowState::Minimized: return SW_SHOWMINIMIZED;
    default: return SW_SHOWNORMAL;
  }
}

PlacementRecord TFormStorage::Placement() const {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  ::GetWindowPlacement(form_, &wp);
  return {static_cast<int>(wp.flags),
          static_cast<int>(wp.showCmd),
          {wp.ptMinPosition.x, wp.ptMinPosition.y, wp.ptMaxPosition.x, wp.ptMaxPosition.y},
          {wp.rcNormalPosition.left, wp.rcNormalPosition.top, wp.rcNormalPosition.right,
           wp.rcNormalPosition.bottom}};
}

void TFormStorage::ApplyPlacement(const PlacementRecord& record) {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  wp.flags = static_cast<UINT>(record.flags);
  wp.showCmd = static_cast<UINT>(record.showCmd);
  wp.ptMinPosition = {record.minMax[0], record.minMax[1]};
  wp.ptMaxPosition = {record.minMax[2], record.minMax[3]};
  wp.rcNormalPosition = {record.normal[0], record.normal[1], record.normal[2], record.normal[3]};
  ::SetWindowPlacement(form_, &wp);
  placed_ = true;
}

PositionWords TFormStorage::Bounds() const {
  RECT r{};
  ::GetWindowRect(form_, &r);
  return {r.left, r.top, r.right, r.bottom};
}

ScreenMetrics TFormStorage::Screen() const {
  const UniqueDc screen(::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
  return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
          ::GetDeviceCaps(screen.get(), LOGPIXELSY)};
}

std::optional<PropertyRef> TFormStorage::FindProperty(std::string_view component, std::string_view property) const {
  const ControlSpec* row = FindControlSpec(component);
  if (!row || !controls_.Find(component)) return std::nullopt;
  const std::string name(component);
  if (EqualsIgnoreAsciiCase(property, "Caption")) return PropertyRef{name, "Caption", PropertyKind::Text};
  if (EqualsIgnoreAsciiCase(property, "Width")) return PropertyRef{name, "Width", PropertyKind::WholeNumber};
  if (EqualsIgnoreAsciiCase(property, "Height") && (row->dock == Dock::Top || row->dock == Dock::Bottom))
    return PropertyRef{name, "Height", PropertyKind::WholeNumber};
  if (EqualsIgnoreAsciiCase(property, "ActivePage") && row->kind == ControlKind::PageControl)
    return PropertyRef{name, "ActivePage", PropertyKind::PageReference};
  return std::nullopt;
}

std::string TFormStorage::PropertyText(const PropertyRef& ref) const {
  HWND window = controls_.Find(ref.component);
  switch (ref.kind) {
    case PropertyKind::Text: {
      return WideToAnsi(WindowText(window));
    }
    case PropertyKind::WholeNumber: {
      const ControlSpec* row = FindControlSpec(ref.component);
      if (ref.property == "Height") return std::to_string(controls_.DockedHeight(row->id));
      if (row->dock == Dock::Left || row->dock == Dock::Right)
        return std::to_string(controls_.DockedWidth(row->id));
      RECT r{};
      ::GetWindowRect(window, &r);
      return std::to_string(r.right - r.left);
    }
    case PropertyKind::PageReference: {
      const auto sheets = SheetsOf(ref.component);
      const auto index = ::SendMessageW(window, TCM_GETCURSEL, 0, 0);
      return index >= 0 && static_cast<size_t>(index) < sheets.size() ? sheets[static_cast<size_t>(index)]
                                                                       : "(null)";
    }
  }
  return {};
}

void TFormStorage::SetWholeNumber(const PropertyRef& ref, int value) {
  // A negative width would turn the docking of the neighbours inside out.
  const int width = std::max(0, value);
  const ControlSpec* row = FindControlSpec(ref.component);
  if (ref.property == "Height") {
    controls_.SetDockedHeight(row->id, width);  // the number is a height here
    controls_.Arrange();
    return;
  }
  if (row->dock == Dock::Left || row->dock == Dock::Right) {
    controls_.SetDockedWidth(row->id, width);
    controls_.Arrange();
    return;
  }
  HWND window = controls_.Find(ref.component);
  RECT r{};
  ::GetWindowRect(window, &r);
  ::SetWindowPos(window, nullptr, 0, 0, width, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFormStorage::SetText(const PropertyRef& ref, const std::string& value) {
  ::SetWindowTextW(controls_.Find(ref.component), AnsiToWide(value).c_str());
}

void TFormStorage::SetPageReference(const PropertyRef& ref, const std::string& storedName) {
  const auto sheets = SheetsOf(ref.component);
  const auto index = FindPageByName(storedName, kFormName, sheets);
  ::SendMessageW(controls_.Find(ref.component), TCM_SETCURSEL, index ? static_cast<WPARAM>(*index) : WPARAM(-1), 0);
  for (size_t i = 0; i < sheets.size(); ++i)
    if (HWND sheet = controls_.Find(sheets[i])) ::ShowWindow(sheet, index == i ? SW_SHOW : SW_HIDE);
}

}  // namespace markwash::win32
