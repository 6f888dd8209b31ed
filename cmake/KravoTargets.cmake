# Each source folder is one static library of every .cpp below it, so a new
# unit needs no build edit; the plug-in library, the host, the tests and the
# benchmarks link the folders they use.
# EXCLUDE names files (relative to the folder) that belong to another target; SHARED makes a shared
# library instead, for state that every module of a process must share.
function(kravo_folder_library name)
  cmake_parse_arguments(ARG "SHARED" "" "LINKS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  foreach(excluded IN LISTS ARG_EXCLUDE)
    list(REMOVE_ITEM sources "${CMAKE_CURRENT_SOURCE_DIR}/${excluded}")
  endforeach()
  if(sources)
    if(ARG_SHARED)
      add_library(${name} SHARED ${sources})
    else()
      add_library(${name} STATIC ${sources})
    endif()
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${name} INTERFACE ${ARG_LINKS})
  endif()
endfunction()

# One GoogleTest executable per test folder, registered test by test with ctest. The release build
# also runs each executable whole once, in one process, so that no test depends on running alone.
function(kravo_test_folder name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} kravo_test_support GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "KRAVO_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  if(NOT KRAVO_SANITIZE)
    add_test(NAME ${name}.Whole COMMAND ${name} WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")
    set_tests_properties(${name}.Whole PROPERTIES ENVIRONMENT "KRAVO_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  endif()
endfunction()
