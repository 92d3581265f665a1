# The Windows half, cross-compiled as an external project, and its
# end-to-end tests, each run under Wine by tools/wine-test.sh.
include(ExternalProject)
set(MARKWASH_WIN32_DIR ${CMAKE_BINARY_DIR}/win32)
ExternalProject_Add(win32
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${MARKWASH_WIN32_DIR}
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/tools/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
  BUILD_ALWAYS ON
  INSTALL_COMMAND "")

file(GLOB MARKWASH_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_test.cpp)
foreach(test_source ${MARKWASH_E2E_TESTS})
  get_filename_component(test_name ${test_source} NAME_WE)
  add_test(NAME e2e.${test_name}
    COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-test.sh ${MARKWASH_WIN32_DIR}/bin/${test_name}.exe)
  set_tests_properties(e2e.${test_name} PROPERTIES TIMEOUT 300 RESOURCE_LOCK wine-display)
endforeach()
file(GLOB MARKWASH_E2E_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_test.sh)
foreach(test_script ${MARKWASH_E2E_SCRIPTS})
  get_filename_component(test_name ${test_script} NAME_WE)
  add_test(NAME e2e.${test_name} COMMAND bash ${test_script} ${MARKWASH_WIN32_DIR}/bin)
  set_tests_properties(e2e.${test_name} PROPERTIES TIMEOUT 300)
endforeach()
# Wine's heap checks fill every new block with a pattern, so a text that the
# plug-in hands back without its closing NUL shows in the tests of a run.
set_tests_properties(e2e.tidy_run_test PROPERTIES ENVIRONMENT MARKWASH_WINEDEBUG=warn+heap)
