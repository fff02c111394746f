# Cross-builds the radio logic, zq4071-cli, make_templates and the core tests for
# 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix):
#
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
#
# Debian has no Qt or Google Benchmark for MinGW, so the desktop program and the
# benchmarks are left out; the header-only libraries come from the build machine's
# own packages and GoogleTest is built from its source package (see mingw-w64/).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZQ_MINGW_PREFIX x86_64-w64-mingw32)

# The -posix compilers give std::thread and std::mutex, which GoogleTest uses.
set(CMAKE_C_COMPILER ${ZQ_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZQ_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZQ_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZQ_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Executables carry their C and C++ runtimes, so they run without MinGW's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Build steps that run a program we built (the templates of Init/) run it under Wine.
find_program(ZQ_WINE wine)
if(ZQ_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZQ_WINE})
endif()

set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-w64)
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-w64)
set(GTest_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-w64)
set(ZQ_BUILD_GUI OFF)
set(ZQ_BUILD_BENCHMARKS OFF)
