# Packages: `cd build && cpack` puts them in build/packages/: it
# makes a .deb and a .tar.gz of a system install; a portable build makes only
# the archive, a folder to unpack anywhere.
set(CPACK_PACKAGE_NAME zq4071)
set(CPACK_PACKAGE_VENDOR "The ZQ4071 programmer developers")
set(CPACK_PACKAGE_CONTACT "The ZQ4071 programmer developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programming application of the ZQ4071 CB/HF/10 m transceiver")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Prepares the whole configuration of the ZQ4071 mobile transceiver (channel tables,\n"
  "special channels, option features, DTMF, roger-beep tones, weather channels), keeps it\n"
  "as a .dat/.fre file pair, and reads or writes the radio over a serial cable. Comes with\n"
  "a command-line tool and a simulated radio.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)

if(ZQ_INSTALL_LAYOUT STREQUAL "system")
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
