// Fuzzes the configuration reader and writer with arbitrary script bytes:
// loading must never crash or change the script it reads, merging twice
// changes nothing, anything the writer produces reads back without error,
// and after one round of reading and writing the next round changes nothing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "../support/fake_options.h"

namespace {

using markwash::Error;
using markwash::JoinLines;
using markwash::SplitLines;
using markwash::TextLines;

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

std::string ReadAndWrite(markwash::testing::OptionRig& rig, const TextLines& lines) {
  rig.engine.ReadOptions(lines);  // writer output must always be readable
  TextLines merged = lines;
  rig.engine.WriteOptions(merged);
  return JoinLines(merged);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  markwash::testing::OptionRig rig;
  rig.host.AddFile("C:\\in.cfg", bytes);
  try {
    rig.engine.LoadOptionSet("C:\\in.cfg");
  } catch (const Error&) {
    // A bad wrap width: the options read so far stay, the rest keep theirs.
  }
  Require(rig.view.script() == SplitLines(bytes));
  Require(rig.cursor.depth() == 0);

  TextLines first = rig.view.script();
  rig.engine.WriteOptions(first);
  TextLines again = first;
  rig.engine.WriteOptions(again);
  Require(again == first);
  const std::string second = ReadAndWrite(rig, first);
  const std::string third = ReadAndWrite(rig, SplitLines(second));
  Require(second == third);
  return 0;
}
