#include "win32/plugin/plugin_state.h"

#include <new>

namespace markwash::win32 {
namespace {
ResultKind g_kind = kResultNothing;
}  // namespace

ResultKind CurrentResultKind() { return g_kind; }
void SetResultKind(ResultKind kind) { g_kind = kind; }

const char* NewResultBlock(const TextLines& lines) {
  // A large document may not find room for its one copy; the caller says so.
  char* block = new (std::nothrow) char[JoinedSize(lines) + 1];
  if (block) JoinLinesInto(lines, block);
  return block;
}

}  // namespace markwash::win32
