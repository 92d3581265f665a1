// The option set: the option controls (through OptionView) and the
// configuration script (the memo mCfg). The engine merges the controls into
// the script (WriteOptions), sets them from it (ReadOptions), saves and
// loads option sets, keeps dependent controls consistent (the click rules)
// and keeps the script and the controls in step when pages change.
// Errors are thrown as markwash::Error.
#pragma once
#include <string>
#include <string_view>

#include "core/common/text_lines.h"
#include "core/common/wait_cursor.h"
#include "core/options/catalogue.h"
#include "core/options/option_view.h"

namespace markwash {

// The extension of option files, the default one beside the library included.
inline constexpr std::string_view kOptionFilesExtension = ".cfg";

class OptionEngine {
 public:
  OptionEngine(OptionView& view, OptionHost& host, WaitCursor& cursor);

  // Merges the option controls into the given script lines.
  void WriteOptions(TextLines& lines);
  // Sets every option control from the given script lines; the path steps may
  // ask questions and run the locate operation.
  void ReadOptions(const TextLines& lines);

  // Saves the option set; merges the controls first unless the page
  // "Config-Datei" is active, where the script as edited is the option set.
  void SaveOptionSet(const std::string& file_name);
  // Replaces the script by the file and reads it; an empty name or a missing
  // file gives the factory settings (an empty script).
  void LoadOptionSet(const std::string& file_name);

  // A check box set from code to a different state runs its rule as a click.
  void SetChecked(OptionControl box, bool checked);
  // A user's click on a check box (after it toggled): runs the box's rule.
  void Click(OptionControl box);

  // Option rules.
  void cbWrapClick();
  void cbCleanClick();
  void cbAltTextClick();
  void cbInputXMLClick();
  void cbLogicalEmphasisClick();
  void cbDocTypeChange();

  // Page synchronisation. Leaving "Config-Datei" reads the script; when that
  // throws, the page must not be left, or its edits would be merged over.
  void PagesChanging(OptionPage leaving);
  void PagesChange(OptionPage arrived);

  // The first resize loads the default option set, later ones nothing.
  void FormResize();
  bool DefaultsLoaded() const { return defaults_loaded_; }

  // Buttons; load and save take the name chosen in the file dialog.
  void bResetOptionsClick();
  void bAsDefaultOptionsClick();
  // Posts a click on "&als Standard" after Tidy has been located. That click
  // stores the located path on any page: on "Config-Datei" it joins the
  // script as edited, which alone is saved there.
  void PostAsDefaultSave();

  const std::string& DefaultOptionFileName() const { return default_option_file_; }
  int RememberedWrapWidth() const { return remembered_wrap_width_; }

 private:
  // The width that wrapping starts with when nothing else is known.
  static constexpr int kDefaultWrapWidth = 66;

  void MergeScript();
  void ReadControl(const TextLines& lines, const OptionEntry& entry);
  void ReadTidyPath(const TextLines& lines);
  void ReadBox(const TextLines& lines, OptionControl box);
  void ReadWrap(const TextLines& lines);
  void ReadAltText(const TextLines& lines);
  void ReadDocType(const TextLines& lines);
  void ReadCharEncoding(const TextLines& lines);
  void WriteControl(TextLines& lines, const OptionEntry& entry);
  void WriteBox(TextLines& lines, OptionControl box);
  void WriteWrap(TextLines& lines);
  void WriteAltText(TextLines& lines);
  void WriteTidyPath(TextLines& lines);
  void WriteDocType(TextLines& lines);

  OptionView& view_;
  OptionHost& host_;
  WaitCursor& cursor_;
  std::string default_option_file_;
  int remembered_wrap_width_ = 0;
  bool defaults_loaded_ = false;
  bool as_default_posted_ = false;
};

}  // namespace markwash
