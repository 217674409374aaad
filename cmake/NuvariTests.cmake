# Test helpers: GoogleTest from Debian's sources, built with whichever toolchain is active.
# Native tests run directly; cross-built tests run under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
include(GoogleTest)

set(NUVARI_TEST_TIMEOUT 60 CACHE STRING "Seconds before a single native test counts as hung")
set(NUVARI_SUITE_TIMEOUT 300 CACHE STRING "Seconds before one suite under Wine counts as hung")

macro(nuvari_enable_gtest)
  if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
endmacro()

# The suites named by TEST, TEST_F and TEST_P in the given sources, in order of appearance.
function(nuvari_test_suites out)
  set(suites "")
  foreach(source ${ARGN})
    get_filename_component(path ${source} ABSOLUTE)
    if(NOT EXISTS ${path})
      continue()
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${path})
    file(STRINGS ${path} lines REGEX "^(TEST|TEST_F|TEST_P)\\(")
    foreach(line ${lines})
      string(REGEX REPLACE "^TEST(_F|_P)?\\( *([A-Za-z0-9_]+).*" "\\2" suite "${line}")
      list(APPEND suites ${suite})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES suites)
  set(${out} ${suites} PARENT_SCOPE)
endfunction()

# Under Wine a process start costs far more than most tests: one ctest entry (one process) per
# suite, the fixtures resetting registry and windows per test. A suite's entry runs its plain and
# its parameterized cases; the last suite's entry runs everything the others do not, so a case the
# scan missed still runs.
function(nuvari_add_suite_tests name)
  nuvari_test_suites(suites ${ARGN})
  list(POP_BACK suites last)
  set(others "")
  foreach(suite ${suites})
    set(filter "${suite}.*:*/${suite}.*")
    nuvari_add_suite_entry(${name}.${suite} ${name} ${filter})
    string(APPEND others ":${filter}")
  endforeach()
  string(SUBSTRING "${others}" 1 -1 others)
  nuvari_add_suite_entry(${name}.${last} ${name} "-${others}")
endfunction()

function(nuvari_add_suite_entry test program filter)
  add_test(NAME ${test} COMMAND ${program} --gtest_filter=${filter})
  set_tests_properties(${test} PROPERTIES TIMEOUT ${NUVARI_SUITE_TIMEOUT})
endfunction()

# nuvari_add_test(<name> SOURCES <files...> [LIBS <targets...>] [RESOURCES <rc files...>])
# Native build: a sanitized test executable. Cross build: a Windows test executable run under Wine.
function(nuvari_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;RESOURCES" ${ARGN})
  nuvari_enable_gtest()
  add_executable(${name} ${T_SOURCES} ${T_RESOURCES})
  nuvari_target_options(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
  if(WIN32)
    nuvari_add_suite_tests(${name} ${T_SOURCES})
  else()
    gtest_discover_tests(${name} PROPERTIES TIMEOUT ${NUVARI_TEST_TIMEOUT})
  endif()
endfunction()
