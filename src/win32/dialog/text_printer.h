// Plain text lines as one job on the system's default printer: 8-point
// "MS Sans Serif" at the printer's resolution, from the top-left corner of
// the printable area, paginated by the platform-neutral print layout.
#pragma once
#include <windows.h>

#include "core/common/text_lines.h"

namespace markwash::win32 {

// Raises "Printing in progress" while another job of this process is still
// being written, and "There is no default printer currently selected" when
// there is none. Any failing output call stops the job with a system error;
// the pages written so far are abandoned, so that a later print starts
// clean. While the job spools, `owner`'s messages keep being dispatched.
void PrintTextLines(const LineBlock& lines, HWND owner);

}  // namespace markwash::win32
