// How the option engine sees the dialog. OptionView is the option controls
// and the script memo; OptionHost is everything else the engine needs from
// the platform and the dialog (files, questions, the locate operation).
// Setters never run option rules: the engine runs them itself, so the
// platform side must not forward notifications caused by these setters.
#pragma once
#include <string>
#include <string_view>

#include "core/common/text_lines.h"
#include "core/options/catalogue.h"

namespace markwash {

class OptionView {
 public:
  virtual ~OptionView() = default;

  // Check boxes.
  virtual bool Checked(OptionControl box) = 0;
  virtual void SetCheckedRaw(OptionControl box, bool checked) = 0;

  // Any control.
  virtual bool Enabled(OptionControl control) = 0;
  virtual void SetEnabled(OptionControl control, bool enabled) = 0;

  // Lists and combos: -1 for no item. Selecting an item of the editable
  // combo shows the item's text in it.
  virtual int ItemIndex(OptionControl list) = 0;
  virtual void SetItemIndex(OptionControl list, int item) = 0;

  // Edits, numeric fields and the editable combo, as 8-bit ANSI bytes. Setting
  // the text of the editable combo leaves it without a selected item.
  virtual std::string Text(OptionControl control) = 0;
  virtual void SetText(OptionControl control, std::string_view text) = 0;

  // Up-downs. Reading takes the number in the partner field when it is a
  // whole number within the range, else the last valid position; setting
  // clamps to the range and writes the number into the field.
  virtual int Position(OptionControl updown) = 0;
  virtual void SetPosition(OptionControl updown, int position) = 0;

  // The path label: a file name (normal weight) or the not-found text (bold).
  virtual std::string TidyPath() = 0;
  virtual void SetTidyPath(std::string_view text, bool bold) = 0;

  // The configuration script shown in mCfg. Setting replaces it as a whole
  // (one redraw); it may throw Error when the text does not fit the memo.
  virtual TextLines ScriptLines() = 0;
  virtual void SetScriptLines(const TextLines& lines) = 0;
};

// The pages that matter to the option set.
enum class OptionPage { kOptions, kConfig, kOther };

enum class ResetAnswer { kYes, kNo, kCancel };

class OptionHost {
 public:
  virtual ~OptionHost() = default;

  // File system and process environment.
  virtual bool FileExists(const std::string& name) = 0;
  virtual std::string LibraryFileName() = 0;
  virtual std::string CurrentDirectory() = 0;
  virtual std::string PathVariable() = 0;  // the whole value, "" when unset
  virtual bool IsDbcsLeadByte(unsigned char byte) = 0;

  // Whole files as bytes. Throw Error "Cannot open file %s" and
  // "Cannot create file %s".
  virtual std::string LoadFile(const std::string& name) = 0;
  virtual void SaveFile(const std::string& name, const std::string& bytes) = 0;

  // The three header lines of every merged script, CR LF after each, as ANSI
  // bytes.
  virtual std::string ConfigHeader() = 0;

  // Questions; true for Yes.
  virtual bool AskTidyNotFound() = 0;
  virtual bool AskSaveDefault() = 0;
  virtual ResetAnswer AskResetOptions() = 0;

  // The locate operation (lTidyPathClick); it sets the path label.
  virtual void LocateTidy() = 0;
  // Queues a click on bAsDefaultOptions, handled after the current handler.
  virtual void PostAsDefaultOptionsClick() = 0;

  virtual OptionPage ActivePage() = 0;
};

}  // namespace markwash
