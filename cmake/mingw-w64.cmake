# Cross-builds the program for 64-bit Windows with Debian's MinGW-w64
# (g++-mingw-w64-x86-64-posix):
#
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
#
# The radio logic, zq4071-cli, make_templates and the core tests always; the
# desktop program and the window tests too once scripts/build-qt-windows.sh has
# put Qt for Windows into its folder (ZQ_QT_WINDOWS, default
# ${XDG_CACHE_HOME:-~/.cache}/zq4071/qt-6.4.2-mingw64). The header-only libraries
# come from the build machine's own packages and GoogleTest is built from its
# source package (see mingw-w64/). Debian has no Google Benchmark for MinGW.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-compilers.cmake)

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
set(ZQ_BUILD_BENCHMARKS OFF)

# Qt for Windows, cross-built by scripts/build-qt-windows.sh; its tools (moc, rcc)
# are the build machine's own Qt of the same version.
if(DEFINED ENV{ZQ_QT_WINDOWS})
  set(zq_qt_windows $ENV{ZQ_QT_WINDOWS})
elseif(DEFINED ENV{XDG_CACHE_HOME})
  set(zq_qt_windows $ENV{XDG_CACHE_HOME}/zq4071/qt-6.4.2-mingw64)
else()
  set(zq_qt_windows $ENV{HOME}/.cache/zq4071/qt-6.4.2-mingw64)
endif()
set(ZQ_QT_WINDOWS ${zq_qt_windows} CACHE PATH "Qt for Windows (scripts/build-qt-windows.sh)")
if(EXISTS ${ZQ_QT_WINDOWS}/zq4071-stamp)
  set(zq_gui_default ON)
  list(APPEND CMAKE_FIND_ROOT_PATH ${ZQ_QT_WINDOWS})
  list(APPEND CMAKE_PREFIX_PATH ${ZQ_QT_WINDOWS})
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
else()
  set(zq_gui_default OFF)
endif()
set(ZQ_BUILD_GUI ${zq_gui_default} CACHE BOOL "Build the Qt desktop program")
