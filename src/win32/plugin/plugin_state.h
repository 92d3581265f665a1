// What the library keeps between calls: the result kind, and the text handed
// back to the host after OK.
#pragma once
#include "core/common/text_lines.h"

namespace markwash::win32 {

enum ResultKind : int { kResultNothing = 0, kResultText = 2 };

ResultKind CurrentResultKind();
void SetResultKind(ResultKind kind);

// A new NUL-terminated block holding the lines with their CR LF, which is never
// released, so the host may use it for the rest of the process; it is the
// only copy the library keeps of the result. Null when memory is short.
const char* NewResultBlock(const LineBlock& lines);

// The constant empty text handed back when nothing is returned.
inline constexpr char kEmptyResult[] = "";

}  // namespace markwash::win32
