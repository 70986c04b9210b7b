# fv_folder_library(name folder [EXCLUDE file...])
# Builds every .cpp of a folder into one static library. Files are globbed so
# that a new source file needs no edit here.
function(fv_folder_library name folder)
  cmake_parse_arguments(ARG "" "" "EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  foreach(ex IN LISTS ARG_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/${folder}/${ex})
  endforeach()
  if(NOT sources)
    set(stub ${CMAKE_BINARY_DIR}/stubs/${name}_empty.cpp)
    file(WRITE ${stub} "// ${folder}/ has no sources yet\n")
    set(sources ${stub})
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()

# fv_test_folder(name folder LABELS label... [LIBS lib...] [DEPENDS target...])
# One GoogleTest executable per test folder; every test in it carries the labels.
# DEPENDS names what must be built first (the generated data folder); tests
# sharing a LOCK never run at the same time.
function(fv_test_folder name folder)
  cmake_parse_arguments(ARG "" "LOCK" "LABELS;LIBS;DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  # Every suite may write pictures with the harness's PNG writer.
  target_link_libraries(${name} PRIVATE fv_all fv_harness GTest::gtest GTest::gtest_main ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARG_DEPENDS)
    add_dependencies(${name} ${ARG_DEPENDS})
  endif()
  set(lock "")
  if(ARG_LOCK)
    set(lock RESOURCE_LOCK ${ARG_LOCK})
  endif()
  # GTK's accessibility bridge can hang a start on a display without a
  # session bus (5 in 200 under AddressSanitizer): tests run without it.
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    PROPERTIES LABELS "${ARG_LABELS}" ENVIRONMENT "NO_AT_BRIDGE=1" ${lock}
    DISCOVERY_TIMEOUT 60)
endfunction()
