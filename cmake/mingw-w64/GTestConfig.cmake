# GoogleTest and GoogleMock compiled for MinGW from Debian's source package (googletest).
if(NOT TARGET GTest::gtest)
  set(ZQ_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source folder")
  if(NOT EXISTS ${ZQ_GOOGLETEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "${ZQ_GOOGLETEST_SOURCE} holds no GoogleTest: install Debian's googletest package")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # Its build names the targets GTest::gtest, GTest::gtest_main, GTest::gmock and GTest::gmock_main.
  add_subdirectory(${ZQ_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
set(GTest_FOUND TRUE)
