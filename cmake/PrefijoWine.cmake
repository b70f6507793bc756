# SPDX-License-Identifier: GPL-3.0-or-later
# Wine builds its prefix on first start, which takes longer than test discovery
# waits for a program to list its tests; so the build sets it up beforehand.
# Wine's notes about that (a missing 32-bit part, "configuration updated") go to
# wine-prefix.log unless the setup fails.
find_program(VELMORA_WINESERVER NAMES wineserver REQUIRED)
set(velmora_wine_prefix ${CMAKE_BINARY_DIR}/wine-prefix)
add_custom_command(
  OUTPUT ${velmora_wine_prefix}/system.reg
  COMMAND sh -c "\"$@\" wineboot --init 2>wine-prefix.log || { cat wine-prefix.log >&2; exit 1; }" sh
          ${CMAKE_CROSSCOMPILING_EMULATOR}
  COMMAND env WINEPREFIX=${velmora_wine_prefix} ${VELMORA_WINESERVER} --wait
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Setting up the Wine prefix for the tests"
  VERBATIM)
add_custom_target(wine_prefix ALL DEPENDS ${velmora_wine_prefix}/system.reg)
