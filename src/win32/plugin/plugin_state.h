// What the library keeps between calls: the result kind and the text of the
// last accepted result.
#pragma once
#include <string>

namespace markwash::win32 {

enum ResultKind : int { kResultNothing = 0, kResultText = 2 };

ResultKind CurrentResultKind();
void SetResultKind(ResultKind kind);
// Retains the text and returns a new NUL-terminated copy of it that is never
// released, so the host may use it for the rest of the process.
const char* RetainResult(const std::string& text);
void ReleaseRetainedResult();

// The constant empty text handed back when nothing is returned.
inline constexpr char kEmptyResult[] = "";

}  // namespace markwash::win32
