#include "core/dialog/layout_table.h"

namespace markwash {
namespace {

constexpr std::string_view F = kFormName;

std::vector<ControlSpec> BuildLayout() {
  return {
      // Bottom bar
      {"Panel2", ControlKind::Panel, F, Dock::Bottom, {0, 402, 585, 41}, ""},
      {"Panel7", ControlKind::Panel, "Panel2", Dock::Right, {334, 0, 251, 41}, ""},
      {"bRunTidy", ControlKind::Button, "Panel7", Dock::None, {7, 10, 75, 25}, "&Tidy starten", kDefaultButton},
      {"bOK", ControlKind::Button, "Panel7", Dock::None, {87, 10, 75, 25}, "O&K", kDisabled},
      {"bCancel", ControlKind::Button, "Panel7", Dock::None, {167, 10, 75, 25}, "Abbrechen"},
      // Pages
      {"Pages", ControlKind::PageControl, F, Dock::Client, {0, 0, 585, 402}, ""},
      {"tsOptions", ControlKind::TabSheet, "Pages", Dock::Client, {4, 24, 577, 374}, "Optionen"},
      {"tsError", ControlKind::TabSheet, "Pages", Dock::Client, {4, 24, 577, 374}, "Meldungen"},
      {"tsOut", ControlKind::TabSheet, "Pages", Dock::Client, {4, 24, 577, 374}, "Ausgabe"},
      {"tsCfg", ControlKind::TabSheet, "Pages", Dock::Client, {4, 24, 577, 374}, "Config-Datei"},
      {"TabSheet1", ControlKind::TabSheet, "Pages", Dock::Client, {4, 24, 577, 374}, "Über das Plugin..."},
  };
}

}  // namespace

const std::vector<ControlSpec>& DialogLayout() {
  static const std::vector<ControlSpec> layout = BuildLayout();
  return layout;
}

const ControlSpec* FindControlSpec(std::string_view name) {
  for (const auto& spec : DialogLayout())
    if (spec.name == name) return &spec;
  return nullptr;
}

}  // namespace markwash
