# The MinGW-w64 compilers of Debian (g++-mingw-w64-x86-64-posix) and where their
# Windows libraries live. Shared by the project's Windows build (mingw-w64.cmake)
# and by the cross-build of Qt (scripts/build-qt-windows.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(ZQ_MINGW_PREFIX x86_64-w64-mingw32)

# The -posix compilers give std::thread and std::mutex, which GoogleTest and Qt use.
set(CMAKE_C_COMPILER /usr/bin/${ZQ_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/${ZQ_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER /usr/bin/${ZQ_MINGW_PREFIX}-windres)
set(CMAKE_AR /usr/bin/${ZQ_MINGW_PREFIX}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${ZQ_MINGW_PREFIX}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${ZQ_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
