# GoogleTest for the test programs. A native build uses the installed library
# (libgtest-dev); a cross build compiles it for the target from Debian's
# sources (googletest), since no library for the target is installed.
set(VELMORA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources, compiled for the target when cross-compiling")

if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest REQUIRED)
  return()
endif()

if(NOT EXISTS ${VELMORA_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${VELMORA_GOOGLETEST_SOURCE}: install Debian's googletest "
                      "package, or set VELMORA_GOOGLETEST_SOURCE, or build with -DVELMORA_TESTS=OFF")
endif()
set(BUILD_GMOCK OFF)
set(INSTALL_GTEST OFF)
add_subdirectory(${VELMORA_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
