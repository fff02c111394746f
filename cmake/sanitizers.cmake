# AddressSanitizer and UndefinedBehaviorSanitizer for the whole build, and the
# fuzz targets of tests/fuzz built with clang's libFuzzer.
# scripts/test-sanitizers.sh and scripts/fuzz.sh set these options.
option(ZQ_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ZQ_BUILD_FUZZERS "Build the fuzz targets with libFuzzer (clang only); otherwise they replay their inputs" OFF)

# Every report ends the program, so no test or fuzz run can pass over one.
set(ZQ_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
set(ZQ_SANITIZER_LINK_FLAGS -fsanitize=address,undefined)

if(ZQ_SANITIZE)
  add_compile_options(${ZQ_SANITIZER_FLAGS})
  add_link_options(${ZQ_SANITIZER_LINK_FLAGS})
endif()
if(ZQ_BUILD_FUZZERS AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(WARNING "libFuzzer needs clang (CXX=clang++-14): the fuzz targets are built to replay their inputs")
  set(ZQ_BUILD_FUZZERS OFF)
endif()
