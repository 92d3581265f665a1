// The dialog's windows, created from the layout table and kept arranged by
// the docking engine. Code finds a window by its ControlId; each window also
// carries its layout name as a window property, so tests and tools can find
// it, and the stored state names it.
#pragma once
#include <windows.h>

#include <optional>
#include <string_view>
#include <vector>

#include "core/dialog/layout_table.h"
#include "win32/common/unique_handle.h"
#include "win32/dialog/hint_window.h"
#include "win32/dialog/splitter_window.h"

namespace markwash::win32 {

inline constexpr wchar_t kControlNameProperty[] = L"MarkwashName";
inline constexpr int kFirstControlId = 1000;

class ControlSet : public SplitterHost {
 public:
  ControlSet();
  void Create(HWND form);
  bool Created() const { return !entries_.empty(); }
  HWND Get(ControlId id) const;
  HWND Find(std::string_view name) const;  // nullptr for an unknown name
  // The command id of a control, and the control of a command id.
  int IdOf(ControlId id) const;
  std::optional<ControlId> IdFromCommand(int id) const;
  ControlId DefaultButton() const;
  // Docked width of a left- or right-docked container as laid out.
  int DockedWidth(ControlId id) const;
  // The width asked for (by a splitter or a stored value); each layout fits
  // the side groups of a page into it (see FitSideGroupsOf).
  void SetDockedWidth(ControlId id, int width);
  // The same for the height of a top- or bottom-docked container.
  int DockedHeight(ControlId id) const;
  void SetDockedHeight(ControlId id, int height);
  // Lays out every container's docked children for the current window size.
  void Arrange();
  // Shows the tab sheet of a page control's selected tab and hides the others.
  void ShowSelectedSheet(ControlId pageControl);
  // Hands the dialog loop's messages to the hint window.
  void RelayToHints(const MSG& msg) { hints_.Relay(msg); }
  HintWindow& Hints() { return hints_; }

  bool SplitterResizesHeight(HWND splitter) const override;
  int SplitterGroupSize(HWND splitter) const override;
  void SplitterDragged(HWND splitter, int startSize, int delta) override;
  HFONT NormalFont() const { return normalFont_.get(); }
  HFONT BoldFont() const { return boldFont_.get(); }

 private:
  struct Entry {
    const ControlSpec* row;
    HWND window;
    Rect docked;  // current size of a docked container
    int wantedWidth;  // a side group's width as asked for; `docked` holds what fits
    int wantedHeight;  // the same for a panel that a splitter resizes in height
  };
  HWND CreateWindowFor(const ControlSpec& row, HWND parent, int id);
  HFONT FontFor(const ControlSpec& row) const;
  // Texts, items and states of option controls from the catalogue, the up-down
  // bindings and the hints (option_controls.cpp).
  void ApplyOptionFace(const ControlSpec& row, HWND window);
  void BindUpDowns();
  void AddHints();
  void ArrangeChildrenOf(std::string_view parentName, HWND parent);
  // Gives the groups that splitters resize the widths that fit the page:
  // wider than the page they would hide the middle group and the splitters
  // for good (control_set_side_groups.cpp).
  void FitSideGroupsOf(std::string_view parentName, int clientWidth);
  // A panel whose height a splitter sets leaves the page's client control
  // the splitter's minimum, however small the window or large the stored height.
  void FitSplitPanelOf(std::string_view parentName, int clientHeight);
  HWND ParentOf(const ControlSpec& row) const;

  HWND form_ = nullptr;
  std::vector<Entry> entries_;  // in the order of the layout rows, so indexed by ControlId
  UniqueFont normalFont_, boldFont_, fixedFont_, titleFont_, linkFont_;
  HintWindow hints_;
};

}  // namespace markwash::win32
