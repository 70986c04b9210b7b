# cmake -DFV_ROOT=<source root> -DWORK=<scratch folder> -P CheckLayersSelfTest.cmake
# The include checks catch what they are for: a small tree with an include
# that climbs by "../", one in angle brackets, and two files of a folder that
# include each other must fail both checks and name the culprits.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(WRITE "${WORK}/game/Top.h" "#pragma once\n")
file(WRITE "${WORK}/game/Other.h" "#pragma once\n")
file(WRITE "${WORK}/gameplay/Climb.cpp" "#include \"../game/Top.h\"\n#include <game/Other.h>\n#include <vector>\n")
file(WRITE "${WORK}/gameplay/Ring.h" "#pragma once\n")
file(WRITE "${WORK}/gameplay/Ring.cpp" "#include \"gameplay/Ring.h\"\n#include \"Back.h\"\n")
file(WRITE "${WORK}/gameplay/Back.h" "#pragma once\n#include \"gameplay/Ring.h\"\n")

function(expect_failure check needles)
  execute_process(COMMAND ${CMAKE_COMMAND} -DFV_ROOT=${WORK} -DCHECK=${check}
                          -P ${FV_ROOT}/cmake/CheckIncludeLayers.cmake
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(result EQUAL 0)
    message(FATAL_ERROR "The ${check} check passed a tree it must refuse:\n${out}${err}")
  endif()
  foreach(needle IN LISTS needles)
    string(FIND "${err}" "${needle}" at)
    if(at LESS 0)
      message(FATAL_ERROR "The ${check} check did not name \"${needle}\":\n${err}")
    endif()
  endforeach()
endfunction()

expect_failure(layers "gameplay/Climb.cpp: #include \"../game/Top.h\";gameplay/Climb.cpp: #include <game/Other.h>")
expect_failure(circles "gameplay/Ring includes Back;gameplay/Back includes Ring")
file(REMOVE_RECURSE "${WORK}")
message(STATUS "The include checks refuse a climbing include and a circle.")
