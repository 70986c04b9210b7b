# cmake -DFV_ROOT=<source root> -P CheckIncludeLayers.cmake
# Includes run downward only. Each folder may include itself and the folders
# listed for it; the main program, the tools and the tests may include any.
# Fails with one line per include that reaches up or sideways.
set(allowed_platform platform)
set(allowed_shared shared)
set(allowed_engine platform shared engine)
set(allowed_gameplay platform shared engine gameplay)
set(allowed_screens platform shared engine gameplay screens)
set(allowed_scenery platform shared engine gameplay scenery)
set(layers platform shared engine gameplay screens scenery)
set(project_folders platform shared engine gameplay screens scenery game tools tests)

set(faults "")
foreach(layer IN LISTS layers)
  file(GLOB_RECURSE sources "${FV_ROOT}/${layer}/*.h" "${FV_ROOT}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" folder "${line}")
      if(folder STREQUAL line)
        continue()  # a file next to it, no folder given
      endif()
      list(FIND project_folders "${folder}" known)
      list(FIND allowed_${layer} "${folder}" ok)
      if(known GREATER_EQUAL 0 AND ok LESS 0)
        file(RELATIVE_PATH where "${FV_ROOT}" "${source}")
        string(STRIP "${line}" line)
        string(APPEND faults "  ${where}: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes that run upward or sideways:\n${faults}")
endif()
message(STATUS "Every include runs downward.")
