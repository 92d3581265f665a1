# libFuzzer targets. They need clang; configure a build directory of their
# own with CC=clang CXX=clang++ -DMARKWASH_FUZZ=ON (tools/fuzz.sh does).
option(MARKWASH_FUZZ "Build the libFuzzer targets and test them for a bounded time" OFF)
set(MARKWASH_FUZZ_SECONDS 60 CACHE STRING "Run time of each fuzz test in seconds")

if(MARKWASH_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "MARKWASH_FUZZ needs clang: configure with CC=clang CXX=clang++")
  endif()
  # The core is compiled into the target itself so that libFuzzer sees its
  # coverage.
  add_executable(config_fuzz tests/fuzz/config_fuzz.cpp ${MARKWASH_CORE_SOURCES})
  target_include_directories(config_fuzz PRIVATE src)
  target_compile_options(config_fuzz PRIVATE -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
  target_link_options(config_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)

  # New inputs go to the build tree; the seeds in the source tree stay as they are.
  set(corpus ${CMAKE_BINARY_DIR}/fuzz-corpus/config)
  file(MAKE_DIRECTORY ${corpus})
  add_test(NAME config_fuzz
           COMMAND config_fuzz -max_total_time=${MARKWASH_FUZZ_SECONDS} -max_len=4096
                   -artifact_prefix=${CMAKE_BINARY_DIR}/
                   ${corpus} ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/config)
endif()
