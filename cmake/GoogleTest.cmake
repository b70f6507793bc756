# GoogleTest for the tests: the installed package on the build machine, or,
# when cross-compiling, built for the target from Debian's googletest sources
# (/usr/src/googletest), which defines the same GTest:: targets.
if(CMAKE_CROSSCOMPILING)
  set(VELMORA_GOOGLETEST_SRC /usr/src/googletest CACHE PATH "GoogleTest sources to build for the target")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${VELMORA_GOOGLETEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)
