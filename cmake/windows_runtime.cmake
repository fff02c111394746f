# What the desktop program needs beside it on Windows, laid out as Qt's own
# deployment tool would: the Qt DLLs, the plugins of the screen (windows), the
# style and the pictures (JPEG backgrounds, icons), Qt's Chinese
# texts, a qt.conf that finds them, and the MinGW runtime the Qt DLLs import.
# Each goes to the program folder of the layout (LR_902/ or bin/).
set(zq_runtime ${ZQ_INSTALL_PROGRAM_DIR})

# Installs a DLL into FOLDER of the program folder without its symbols (the Qt
# and MinGW DLLs come with them; stripped, the zip is half the size).
function(zq_install_dll file name folder)
  install(FILES ${file} DESTINATION ${folder})
  install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${folder}/${name}\" COMMAND_ERROR_IS_FATAL ANY)")
endfunction()

foreach(module Core Gui Widgets PrintSupport)
  zq_install_dll($<TARGET_FILE:Qt6::${module}> $<TARGET_FILE_NAME:Qt6::${module}> ${zq_runtime})
endforeach()
# (Qt 6 prints on Windows from PrintSupport itself: there is no printer plugin to add.)
foreach(plugin QWindowsIntegrationPlugin:platforms QWindowsVistaStylePlugin:styles QJpegPlugin:imageformats
               QICOPlugin:imageformats)
  string(REPLACE ":" ";" plugin ${plugin})
  list(GET plugin 0 target)
  list(GET plugin 1 folder)
  zq_install_dll($<TARGET_FILE:Qt6::${target}> $<TARGET_FILE_NAME:Qt6::${target}> ${zq_runtime}/${folder})
endforeach()

foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}")
    message(FATAL_ERROR "The MinGW runtime ${dll} was not found beside ${CMAKE_CXX_COMPILER}")
  endif()
  zq_install_dll(${found} ${dll} ${zq_runtime})
endforeach()

# Qt's own texts in Chinese (file dialogs, standard buttons): data from Debian's
# qt6-translations-l10n, the same on every system.
set(ZQ_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH "Qt's .qm files (qt6-translations-l10n)")
if(NOT EXISTS ${ZQ_QT_TRANSLATIONS}/qtbase_zh_CN.qm)
  message(FATAL_ERROR "${ZQ_QT_TRANSLATIONS}/qtbase_zh_CN.qm is missing: install qt6-translations-l10n")
endif()
install(FILES ${ZQ_QT_TRANSLATIONS}/qtbase_zh_CN.qm DESTINATION ${zq_runtime}/translations)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf "[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt.conf DESTINATION ${zq_runtime})

# The licences: ours, and Qt's (its DLLs ship unmodified, as Debian's qt6-base builds them).
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${zq_runtime})
set(ZQ_QT_LICENSE /usr/share/common-licenses/LGPL-3 CACHE FILEPATH "The text of Qt's licence, LGPL 3")
install(FILES ${ZQ_QT_LICENSE} RENAME LICENSE.Qt-LGPL-3 DESTINATION ${zq_runtime})
