#include "win32/common/application.h"

namespace markwash::win32 {

Application& TheApplication() {
  static Application application;
  return application;
}

}  // namespace markwash::win32
