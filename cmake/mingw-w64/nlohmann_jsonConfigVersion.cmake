# The version of the installed headers, for find_package(nlohmann_json 3).
file(STRINGS /usr/include/nlohmann/detail/abi_macros.hpp version_lines
     REGEX "#define NLOHMANN_JSON_VERSION_(MAJOR|MINOR|PATCH) [0-9]+")
set(PACKAGE_VERSION "")
foreach(line ${version_lines})
  string(REGEX MATCH "[0-9]+" number "${line}")
  string(APPEND PACKAGE_VERSION ".${number}")
endforeach()
string(SUBSTRING "${PACKAGE_VERSION}" 1 -1 PACKAGE_VERSION)
string(REGEX MATCH "^[0-9]+" major "${PACKAGE_VERSION}")
if(PACKAGE_FIND_VERSION_MAJOR STREQUAL major AND NOT PACKAGE_VERSION VERSION_LESS PACKAGE_FIND_VERSION)
  set(PACKAGE_VERSION_COMPATIBLE TRUE)
endif()
