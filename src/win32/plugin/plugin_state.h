// What the library keeps between calls: the result kind, and the text handed
// back to the host after OK.
#pragma once
#include "core/common/text_lines.h"

namespace markwash::win32 {

enum ResultKind : int { kResultNothing = 0, kResultText = 2 };

ResultKind CurrentResultKind();
void SetResultKind(ResultKind kind);

// The lines with their CR LF as a NUL-terminated block that is never
// released, so the host may use it for the rest of the process. The lines'
// own text becomes the block, so a large result is never held twice; they
// are left empty. Null, and the lines kept, when memory is short.
const char* NewResultBlock(LineBlock& lines);

// The constant empty text handed back when nothing is returned.
inline constexpr char kEmptyResult[] = "";

}  // namespace markwash::win32
