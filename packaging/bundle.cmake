# SPDX-License-Identifier: GPL-3.0-or-later
# Run by "cmake --install" for the portable folder on Linux: copies into it the Qt and
# QScintilla libraries the window needs, with the Qt plugins it loads and Qt's translations,
# so that the folder runs where neither is installed. What every Linux desktop has stays
# outside, because a copy would have to match the system's drivers, fonts and services: the
# C library and C++ runtime, libGL, the X11 client libraries, the font libraries, GLib and
# D-Bus. VELMORA_QT_PLUGINS and VELMORA_QT_TRADUCCIONES name Qt's folders.
set(carpeta "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

set(sistema
    "^ld-linux" "^lib(c|m|dl|pthread|rt|resolv|util|anl|mvec)\\.so" "^libstdc\\+\\+\\.so" "^libgcc_s\\.so"
    "^libGL" "^libEGL\\.so" "^libOpenGL\\.so" "^libgbm\\.so" "^libdrm\\.so"
    "^libX11" "^libX(au|dmcp|ext|render)\\.so" "^lib(ICE|SM)\\.so"
    "^libxcb\\.so" "^libxcb-(render|shm|randr|xfixes|sync|shape|glx|dri2|dri3|present)\\.so"
    "^lib(fontconfig|freetype|harfbuzz|expat|z)\\.so"
    "^lib(glib|gobject|gio|gmodule|gthread)-2\\.0\\.so" "^lib(dbus-1|systemd|udev)\\.so")

# The X11 platform and the GIF images of the window; the input methods give dead keys,
# compose sequences and IBus.
set(plugins platforms/libqxcb.so imageformats/libqgif.so
            platforminputcontexts/libcomposeplatforminputcontextplugin.so
            platforminputcontexts/libibusplatforminputcontextplugin.so)
set(modulos)
foreach(plugin IN LISTS plugins)
  if(NOT EXISTS ${VELMORA_QT_PLUGINS}/${plugin})
    message(FATAL_ERROR "No Qt plugin ${VELMORA_QT_PLUGINS}/${plugin} to carry")
  endif()
  cmake_path(GET plugin PARENT_PATH tipo)
  file(INSTALL ${VELMORA_QT_PLUGINS}/${plugin} DESTINATION ${carpeta}/plugins/${tipo})
  list(APPEND modulos ${carpeta}/plugins/${plugin})
endforeach()

file(GET_RUNTIME_DEPENDENCIES
     EXECUTABLES ${carpeta}/velmora
     MODULES ${modulos}
     PRE_EXCLUDE_REGEXES ${sistema}
     RESOLVED_DEPENDENCIES_VAR librerias
     UNRESOLVED_DEPENDENCIES_VAR sin_encontrar)
if(sin_encontrar)
  message(FATAL_ERROR "Libraries the window needs were not found: ${sin_encontrar}")
endif()
file(MAKE_DIRECTORY ${carpeta}/lib)
foreach(libreria IN LISTS librerias)
  # Under the name the programs ask for, with the content of the file it links to.
  cmake_path(GET libreria FILENAME nombre)
  file(COPY_FILE ${libreria} ${carpeta}/lib/${nombre} ONLY_IF_DIFFERENT)
endforeach()
list(LENGTH librerias cuantas)
message(STATUS "Carried ${cuantas} libraries into ${carpeta}/lib")

# Qt's own texts in the window's languages (Catalogo::Idiomas); the text boxes' have Spanish only.
file(GLOB traducciones ${VELMORA_QT_TRADUCCIONES}/qtbase_es.qm ${VELMORA_QT_TRADUCCIONES}/qtbase_ca.qm
                       ${VELMORA_QT_TRADUCCIONES}/qtbase_gl.qm ${VELMORA_QT_TRADUCCIONES}/qscintilla_es.qm)
if(traducciones)
  file(INSTALL ${traducciones} DESTINATION ${carpeta}/translations)
endif()

# Qt looks for its plugins and translations in the folder, not where the system keeps its own.
file(WRITE ${carpeta}/qt.conf "[Paths]\nPrefix = .\nPlugins = plugins\nTranslations = translations\n")
