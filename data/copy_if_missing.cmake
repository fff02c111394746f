# cmake -DSOURCE=<file> -DTARGET=<file> -P copy_if_missing.cmake
# Places a default settings file unless one is already there: the file in
# place holds the user's settings and must survive every build and install.
if(NOT EXISTS "${TARGET}")
  get_filename_component(target_dir "${TARGET}" DIRECTORY)
  file(MAKE_DIRECTORY "${target_dir}")
  file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
