# SPDX-License-Identifier: GPL-3.0-or-later
# GoogleTest for the test programs. A native build uses the installed library
# (libgtest-dev); a cross build compiles it for the target from Debian's
# sources (googletest), since no library for the target is installed.
# Sets VELMORA_GTEST_FOUND.
set(VELMORA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources, compiled for the target when cross-compiling")

if(CMAKE_CROSSCOMPILING)
  set(VELMORA_GTEST_FOUND FALSE)
  if(EXISTS ${VELMORA_GOOGLETEST_SOURCE}/CMakeLists.txt)
    set(BUILD_GMOCK OFF)
    set(INSTALL_GTEST OFF)
    add_subdirectory(${VELMORA_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    # Another project's code: a newer compiler's warnings about it are not ours to mend.
    target_compile_options(gtest PRIVATE -w)
    target_compile_options(gtest_main PRIVATE -w)
    set(VELMORA_GTEST_FOUND TRUE)
  endif()
else()
  find_package(GTest QUIET)
  set(VELMORA_GTEST_FOUND ${GTest_FOUND})
endif()
include(GoogleTest)

# Through an emulator a test program can take longer to list its tests than the
# 5 s that discovery waits by default: a cold Wine server alone takes about that
# on a busy machine.
if(CMAKE_CROSSCOMPILING_EMULATOR)
  function(gtest_discover_tests)
    _gtest_discover_tests(${ARGV} DISCOVERY_TIMEOUT 60)
  endfunction()
endif()
