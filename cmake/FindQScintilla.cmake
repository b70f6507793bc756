# SPDX-License-Identifier: GPL-3.0-or-later
# QScintilla for Qt 6, which ships no CMake package: its header folder, its
# library and its version, read from Qsci/qsciglobal.h.
#
#   find_package(QScintilla 2.13 REQUIRED)  ->  QScintilla::QScintilla
find_path(QScintilla_INCLUDE_DIR Qsci/qsciglobal.h HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_HEADERS}
          PATH_SUFFIXES qt6)
find_library(QScintilla_LIBRARY NAMES qscintilla2_qt6)
mark_as_advanced(QScintilla_INCLUDE_DIR QScintilla_LIBRARY)

if(QScintilla_INCLUDE_DIR)
  file(STRINGS ${QScintilla_INCLUDE_DIR}/Qsci/qsciglobal.h QScintilla_VERSION
       REGEX "^#define[ \t]+QSCINTILLA_VERSION_STR[ \t]+\"[0-9.]+\"")
  string(REGEX REPLACE ".*\"([0-9.]+)\".*" "\\1" QScintilla_VERSION "${QScintilla_VERSION}")
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(QScintilla REQUIRED_VARS QScintilla_LIBRARY QScintilla_INCLUDE_DIR
                                  VERSION_VAR QScintilla_VERSION)

if(QScintilla_FOUND AND NOT TARGET QScintilla::QScintilla)
  add_library(QScintilla::QScintilla UNKNOWN IMPORTED)
  set_target_properties(QScintilla::QScintilla PROPERTIES IMPORTED_LOCATION ${QScintilla_LIBRARY}
                        INTERFACE_INCLUDE_DIRECTORIES ${QScintilla_INCLUDE_DIR}
                        INTERFACE_LINK_LIBRARIES Qt6::Widgets)
endif()
