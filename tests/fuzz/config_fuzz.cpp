// Fuzzes the configuration reader and writer with arbitrary script bytes:
// loading must never crash or change the script it reads, merging twice
// changes nothing, anything the writer produces reads back without error,
// and after one round of reading and writing the next round changes nothing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "../support/fake_options.h"

static void Require(bool condition) { if (!condition) __builtin_trap(); }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using markwash::SplitLines;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  markwash::testing::OptionRig rig;
  rig.host.AddFile("C:\\in.cfg", bytes);
  try {
    rig.engine.LoadOptionSet("C:\\in.cfg");
  } catch (const markwash::Error&) {
    // A bad wrap width: the options read so far stay, the rest keep theirs.
  }
  Require(rig.view.script == SplitLines(bytes) && rig.cursor.depth() == 0);
  const markwash::TextLines first = rig.Merge(rig.view.script);
  Require(rig.Merge(first) == first);
  // Writer output must always be readable; the second round changes nothing.
  rig.engine.ReadOptions(first);
  const markwash::TextLines second = rig.Merge(first);
  rig.engine.ReadOptions(second);
  Require(rig.Merge(second) == second);
  return 0;
}
