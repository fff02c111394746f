# nlohmann-json3-dev's headers for the MinGW build.
include(${CMAKE_CURRENT_LIST_DIR}/host_headers.cmake)
zq_host_header_library(nlohmann_json::nlohmann_json nlohmann)
set(nlohmann_json_FOUND TRUE)
