# Native (Linux) side: unit tests of the core, the fuzz target, and the
# Windows half of the project built as an external cross build whose
# end-to-end tests run under Wine.
option(MARKWASH_SANITIZE "Build the core and its tests with ASan and UBSan" OFF)
if(MARKWASH_SANITIZE)
  foreach(t markwash_core)
    target_compile_options(${t} PUBLIC -fsanitize=address,undefined -fno-sanitize-recover=all)
    target_link_options(${t} PUBLIC -fsanitize=address,undefined)
  endforeach()
endif()
target_compile_options(markwash_core PRIVATE -Wall -Wextra)

enable_testing()
find_package(GTest REQUIRED)
file(GLOB MARKWASH_UNIT_TESTS CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(markwash_unit_tests ${MARKWASH_UNIT_TESTS})
target_link_libraries(markwash_unit_tests PRIVATE markwash_core GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(markwash_unit_tests DISCOVERY_TIMEOUT 60)

if(EXISTS ${CMAKE_SOURCE_DIR}/cmake/fuzz.cmake)
  include(cmake/fuzz.cmake)
endif()
option(MARKWASH_WIN32 "Cross-build the Windows half and run its end-to-end tests under Wine" ON)
if(MARKWASH_WIN32)
  include(cmake/win32-build.cmake)
endif()
