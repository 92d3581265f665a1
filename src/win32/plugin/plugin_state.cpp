#include "win32/plugin/plugin_state.h"

#include <cstring>

namespace markwash::win32 {
namespace {
ResultKind g_kind = kResultNothing;
std::string* g_retained = nullptr;
}  // namespace

ResultKind CurrentResultKind() { return g_kind; }
void SetResultKind(ResultKind kind) { g_kind = kind; }

const char* RetainResult(const std::string& text) {
  if (!g_retained) g_retained = new std::string;
  *g_retained = text;
  char* block = new char[text.size() + 1];
  std::memcpy(block, text.c_str(), text.size() + 1);
  return block;
}

void ReleaseRetainedResult() {
  delete g_retained;
  g_retained = nullptr;
}

}  // namespace markwash::win32
