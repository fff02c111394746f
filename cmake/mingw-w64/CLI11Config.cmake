# libcli11-dev's headers for the MinGW build.
include(${CMAKE_CURRENT_LIST_DIR}/host_headers.cmake)
zq_host_header_library(CLI11::CLI11 CLI)
set(CLI11_FOUND TRUE)
