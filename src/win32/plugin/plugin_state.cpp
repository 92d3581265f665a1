#include "win32/plugin/plugin_state.h"

#include <new>
#include <string>

namespace markwash::win32 {
namespace {
ResultKind g_kind = kResultNothing;
}  // namespace

ResultKind CurrentResultKind() { return g_kind; }
void SetResultKind(ResultKind kind) { g_kind = kind; }

const char* NewResultBlock(LineBlock& lines) {
  std::string* block = new (std::nothrow) std::string;
  if (!block) return nullptr;
  *block = lines.TakeJoined();
  return block->c_str();
}

}  // namespace markwash::win32
