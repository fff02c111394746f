# A header-only library of the build machine (/usr/include/<folder>) for a cross
# build. Only that one folder is linked into a private include folder: adding
# /usr/include itself would put the build machine's C library before MinGW's.
function(zq_host_header_library target folder)
  if(TARGET ${target})
    return()
  endif()
  set(include_dir ${CMAKE_BINARY_DIR}/host-headers/${folder})
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "/usr/include/${folder} is missing: install the library's Debian package")
  endif()
  if(NOT EXISTS ${include_dir}/${folder})
    file(MAKE_DIRECTORY ${include_dir})
    file(CREATE_LINK /usr/include/${folder} ${include_dir}/${folder} SYMBOLIC)
  endif()
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${include_dir})
endfunction()
