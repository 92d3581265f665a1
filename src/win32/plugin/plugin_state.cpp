#include "win32/plugin/plugin_state.h"

#include <memory>
#include <new>
#include <string>

namespace markwash::win32 {
namespace {
ResultKind g_kind = kResultNothing;
}  // namespace

ResultKind CurrentResultKind() { return g_kind; }
void SetResultKind(ResultKind kind) { g_kind = kind; }

const char* NewResultBlock(LineBlock& lines) {
  std::unique_ptr<std::string> block(new (std::nothrow) std::string);
  if (!block) return nullptr;
  try {
    *block = lines.TakeJoined();  // a copy when the lines are kept in a file
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  return block.release()->c_str();
}

}  // namespace markwash::win32
