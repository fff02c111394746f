# Packages: `cd build && cpack` puts them in build/packages/: it
# makes a .deb and a .tar.gz of a system install; a portable build makes only
# the archive, a folder to unpack anywhere.
set(CPACK_PACKAGE_NAME zq4071)
set(CPACK_PACKAGE_VENDOR "The ZQ4071 programmer developers")
set(CPACK_PACKAGE_CONTACT "The ZQ4071 programmer developers <maintainers@zq4071.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programming application of the ZQ4071 CB/HF/10 m transceiver")
# Lines of at most 80 characters, as Debian's control files want them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Prepares the whole configuration of the ZQ4071 mobile transceiver (channel\n"
  "tables, special channels, option features, DTMF, roger-beep tones, weather\n"
  "channels), keeps it as a .dat/.fre file pair, and reads or writes the radio\n"
  "over a serial cable. Comes with a command-line tool and a simulated radio.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)

if(WIN32)
  # Windows: the portable layout as a zip (a folder to unpack anywhere), the
  # system layout as an installer made with NSIS (makensis, Debian's nsis). The
  # same build makes both, configured once for each layout (scripts/test-windows.sh).
  if(ZQ_INSTALL_LAYOUT STREQUAL "portable")
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME zq4071-${PROJECT_VERSION}-win64)
  else()
    set(CPACK_GENERATOR NSIS)
    set(CPACK_PACKAGE_FILE_NAME zq4071-${PROJECT_VERSION}-win64-setup)
  endif()
  set(CPACK_PACKAGE_INSTALL_DIRECTORY ZQ4071)
  set(CPACK_NSIS_PACKAGE_NAME "ZQ4071 Programmer")
  set(CPACK_NSIS_DISPLAY_NAME "ZQ4071 Programmer ${PROJECT_VERSION}")
  set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
  # The Start-menu entry; the executables sit in bin/ as in the system layout.
  set(CPACK_PACKAGE_EXECUTABLES zq4071 "ZQ4071 Programmer")
  set(CPACK_NSIS_EXECUTABLES_DIRECTORY bin)
  set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\zq4071.exe")  # NSIS wants backslashes
  if(ZQ_APP_ICO)
    set(CPACK_NSIS_MUI_ICON ${ZQ_APP_ICO})
    set(CPACK_NSIS_MUI_UNIICON ${ZQ_APP_ICO})
  endif()
  set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
  # A 64-bit installer for the 64-bit program (NSIS makes 32-bit ones unless told).
  set(CPACK_NSIS_DEFINES "Target amd64-unicode")
elseif(ZQ_INSTALL_LAYOUT STREQUAL "system")
  set(CPACK_GENERATOR DEB TGZ)
else()
  set(CPACK_GENERATOR TGZ)
endif()

# The libraries come from dpkg-shlibdeps; what it cannot see is named here: the
# display plugins the window needs, the picture plugin that draws its tool-bar
# icons, and the toolkit's Chinese texts and a font that can show Chinese.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

include(CPack)
