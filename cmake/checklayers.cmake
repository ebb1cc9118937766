# Checks that no layer of the program includes a layer above it:
#   core <- drawing <- report <- window, cli
# The build already refuses such an include (each layer sees only the folders below it); this
# check names every offending line at once, and runs as a test.
#
# Usage: cmake -DSOURCE_DIR=<project root> -P checklayers.cmake
cmake_minimum_required(VERSION 3.25)
set(allowed_core core)
set(allowed_drawing core drawing)
set(allowed_report core drawing report)
set(allowed_window core drawing report window)
set(allowed_cli core drawing report cli)
set(all_layers core drawing report window cli)

set(problems "")
foreach(layer IN LISTS all_layers)
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^#include \"[a-z]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" included ${line})
      if(included IN_LIST all_layers AND NOT included IN_LIST allowed_${layer})
        file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
        string(REPLACE ";" ", " allowed "${allowed_${layer}}")
        string(APPEND problems "  ${name}: ${line} (${layer} may use only: ${allowed})\n")
      endif()
    endforeach()
  endforeach()
  # The core is standard C++ only.
  if(layer STREQUAL "core")
    foreach(source IN LISTS sources)
      file(STRINGS ${source} qt REGEX "^#include <Q")
      if(qt)
        file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
        string(APPEND problems "  ${name}: ${qt} (the core uses the standard library only)\n")
      endif()
    endforeach()
  endif()
endforeach()

if(problems)
  message(FATAL_ERROR "Includes against the direction of the layers:\n${problems}")
endif()
message(STATUS "Every layer includes only itself and the layers below it")
