#include "win32/plugin/plugin_state.h"

#include <cstring>
#include <new>

namespace markwash::win32 {
namespace {
ResultKind g_kind = kResultNothing;
}  // namespace

ResultKind CurrentResultKind() { return g_kind; }
void SetResultKind(ResultKind kind) { g_kind = kind; }

const char* NewResultBlock(const LineBlock& lines) {
  // A large document may not find room for its one copy; the caller says so.
  const std::string& text = lines.Joined();
  char* block = new (std::nothrow) char[text.size() + 1];
  if (block) std::memcpy(block, text.c_str(), text.size() + 1);
  return block;
}

}  // namespace markwash::win32
