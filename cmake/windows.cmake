# Windows side (cross build): the plug-in library, the host stand-in and the
# end-to-end test programs. Everything links its runtime statically, so the
# library imports nothing but Windows system DLLs.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(MARKWASH_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX UNICODE _UNICODE _WIN32_WINNT=0x0600 WINVER=0x0600)
# With debug information: the package strips it from the DLL and ships it beside.
target_compile_options(markwash_core PRIVATE -Wall -Wextra -g)

file(GLOB_RECURSE MARKWASH_WIN32_SOURCES CONFIGURE_DEPENDS src/win32/*.cpp)
add_library(markwash_win32 STATIC ${MARKWASH_WIN32_SOURCES})
target_link_libraries(markwash_win32 PUBLIC markwash_core
  comctl32 comdlg32 shell32 shlwapi ole32 gdi32 user32 kernel32 winspool uuid)
target_compile_options(markwash_win32 PRIVATE -Wall -Wextra -g)

add_library(Markwash SHARED src/win32/plugin/markwash.def src/win32/plugin/markwash.rc)
set_target_properties(Markwash PROPERTIES PREFIX "" OUTPUT_NAME Markwash)
# Whole archive: the exports and DllMain live in the static library.
target_link_libraries(Markwash PRIVATE -Wl,--whole-archive markwash_win32 -Wl,--no-whole-archive
  markwash_core comctl32 comdlg32 shell32 shlwapi ole32 gdi32 user32 kernel32 winspool uuid)
# No link time in the header: the same sources give the same DLL.
target_link_options(Markwash PRIVATE ${MARKWASH_STATIC_RUNTIME} -Wl,--enable-stdcall-fixup -Wl,--no-insert-timestamp)
# The debug information moves into Markwash.dll.debug beside the DLL (the
# package ships it beside the zip), so the DLL that tests copy stays small.
add_custom_command(TARGET Markwash POST_BUILD
  COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:Markwash> $<TARGET_FILE:Markwash>.debug
  COMMAND ${CMAKE_STRIP} --strip-debug $<TARGET_FILE:Markwash>
  COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=$<TARGET_FILE:Markwash>.debug $<TARGET_FILE:Markwash>
  VERBATIM)

file(GLOB MARKWASH_HOST_SOURCES CONFIGURE_DEPENDS host/*.cpp)
add_executable(markwash-host ${MARKWASH_HOST_SOURCES})
target_link_options(markwash-host PRIVATE ${MARKWASH_STATIC_RUNTIME})
target_link_libraries(markwash-host PRIVATE user32 kernel32)

# GoogleTest, built from Debian's sources with the cross compiler.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB MARKWASH_RIG_SOURCES CONFIGURE_DEPENDS tests/e2e/rig/*.cpp)
add_library(markwash_rig STATIC ${MARKWASH_RIG_SOURCES})
target_include_directories(markwash_rig PUBLIC tests/e2e src)
target_link_libraries(markwash_rig PUBLIC markwash_win32 gtest user32 gdi32 kernel32 shell32 comctl32)

file(GLOB MARKWASH_E2E_TESTS CONFIGURE_DEPENDS tests/e2e/*_test.cpp)
foreach(test_source ${MARKWASH_E2E_TESTS})
  get_filename_component(test_name ${test_source} NAME_WE)
  add_executable(${test_name} ${test_source})
  # markwash_win32 and the core too: some tests drive one component or build
  # option sets with the engine itself, without the dialog.
  target_link_libraries(${test_name} PRIVATE markwash_rig markwash_win32 markwash_core gtest_main)
  target_link_options(${test_name} PRIVATE ${MARKWASH_STATIC_RUNTIME})
  add_dependencies(${test_name} Markwash markwash-host markwash_fakes)
endforeach()

# Small stand-ins for Tidy.exe that misbehave on purpose (crash, hold, ...),
# one program per kind from one source.
add_custom_target(markwash_fakes)
foreach(fake_mode append crash echo hold slow stderr versions)
  add_executable(fake_tidy_${fake_mode} tests/e2e/fakes/fake_tidy.cpp)
  target_compile_definitions(fake_tidy_${fake_mode} PRIVATE FAKE_MODE="${fake_mode}")
  target_link_options(fake_tidy_${fake_mode} PRIVATE ${MARKWASH_STATIC_RUNTIME})
  add_dependencies(markwash_fakes fake_tidy_${fake_mode})
endforeach()

# The benchmark of a whole plug-in run against Tidy alone (not a test).
# Its stand-in for a Tidy.exe that writes a large document is a program of its own.
file(GLOB MARKWASH_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
list(REMOVE_ITEM MARKWASH_BENCH_SOURCES ${CMAKE_SOURCE_DIR}/bench/fake_tidy_large.cpp)
add_executable(run_benchmark ${MARKWASH_BENCH_SOURCES})
target_include_directories(run_benchmark PRIVATE src)
target_compile_options(run_benchmark PRIVATE -Wall -Wextra)
target_link_options(run_benchmark PRIVATE ${MARKWASH_STATIC_RUNTIME} -municode)
# The plug-in's own translation of the configuration, for the direct run of Tidy.
target_link_libraries(run_benchmark PRIVATE markwash_win32 psapi comctl32 user32 kernel32)
add_executable(fake_tidy_large bench/fake_tidy_large.cpp)
target_link_options(fake_tidy_large PRIVATE ${MARKWASH_STATIC_RUNTIME})
add_dependencies(run_benchmark Markwash fake_tidy_large)
