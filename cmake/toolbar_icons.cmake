# The tool-bar pictures (src/shell/ui/icons), drawn as SVG so they stay sharp at
# any screen scale. A build whose Qt has no SVG plugin (the Windows build) gets
# PNGs of them in the sizes a tool bar asks for, drawn here with rsvg-convert.
file(GLOB ZQ_TOOLBAR_ICONS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/shell/ui/icons/*.svg)
if(NOT WIN32)
  qt_add_resources(zq4071_qt toolbar_icons PREFIX / BASE ${CMAKE_SOURCE_DIR}/src/shell/ui FILES ${ZQ_TOOLBAR_ICONS})
  return()
endif()

find_program(ZQ_RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_dir ${CMAKE_BINARY_DIR}/toolbar_icons)
set(icon_pngs "")
foreach(svg ${ZQ_TOOLBAR_ICONS})
  get_filename_component(name ${svg} NAME_WE)
  foreach(size 16 24 32 48)
    set(png ${icon_dir}/icons/${name}-${size}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}/icons
      COMMAND ${ZQ_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
      DEPENDS ${svg} VERBATIM)
    list(APPEND icon_pngs ${png})
  endforeach()
endforeach()
qt_add_resources(zq4071_qt toolbar_icons PREFIX / BASE ${icon_dir} FILES ${icon_pngs})
