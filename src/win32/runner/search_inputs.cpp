#include "win32/runner/search_inputs.h"

#include <windows.h>

#include "core/runner/search_list.h"
#include "win32/common/process_environment.h"
#include "win32/plugin/module.h"

namespace markwash::win32 {

std::string TidySearchList() {
  return BuildSearchList(LibraryFileName(), CurrentDirectory(), PathVariable(), IsAnsiLeadByte);
}

}  // namespace markwash::win32
