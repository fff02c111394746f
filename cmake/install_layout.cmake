# Where `cmake --install` and the packages put each file. The programs decide
# their layout at run time from the folder they find themselves in
# (src/datafile/install_layout.h); these rules lay the files out to match.
#
#   system    bin/               zq4071, zq4071-cli, zq4071-radiosim
#             share/zq4071/      Version.ini, Init/, PIC/, udev/
#             share/applications, share/icons, share/metainfo, share/man
#             settings and backups: each user's own folders, made at first use
#   portable  LR_902/            the executables, Init/, PIC/ (one release)
#             Version.ini, language/mysetup.ini beside it: the folder shared
#             by every release installed side by side
#
# The build tree is always portable: build/stage/ is its shared folder.
include(GNUInstallDirs)

if(WIN32)
  set(zq_default_layout portable)
else()
  set(zq_default_layout system)
endif()
set(ZQ_INSTALL_LAYOUT ${zq_default_layout} CACHE STRING
  "system: bin/ and share/zq4071/ with per-user settings; portable: a release folder LR_902 inside a shared folder")
set_property(CACHE ZQ_INSTALL_LAYOUT PROPERTY STRINGS system portable)

if(ZQ_INSTALL_LAYOUT STREQUAL "system")
  # The programs look for their data in ../share/zq4071 beside their own folder bin/.
  if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
    message(FATAL_ERROR "The system layout keeps the executables in bin/ and their data in share/zq4071/: "
                        "leave CMAKE_INSTALL_BINDIR and CMAKE_INSTALL_DATADIR at their defaults.")
  endif()
  set(ZQ_INSTALL_PROGRAM_DIR ${CMAKE_INSTALL_BINDIR})
  set(ZQ_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/zq4071)
elseif(ZQ_INSTALL_LAYOUT STREQUAL "portable")
  set(ZQ_INSTALL_PROGRAM_DIR LR_902)
  set(ZQ_INSTALL_DATA_DIR LR_902)
else()
  message(FATAL_ERROR "ZQ_INSTALL_LAYOUT is system or portable, not ${ZQ_INSTALL_LAYOUT}")
endif()
