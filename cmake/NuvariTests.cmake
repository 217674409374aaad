# Test helpers: GoogleTest from Debian's sources, built with whichever toolchain is active.
# Native tests run directly; cross-built tests run under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
include(GoogleTest)

set(NUVARI_TEST_TIMEOUT 60 CACHE STRING "Seconds before a single test counts as hung")

macro(nuvari_enable_gtest)
  if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
endmacro()

# nuvari_add_test(<name> SOURCES <files...> [LIBS <targets...>] [RESOURCES <rc files...>])
# Native build: a sanitized test executable. Cross build: a Windows test executable run under Wine.
function(nuvari_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;RESOURCES" ${ARGN})
  nuvari_enable_gtest()
  add_executable(${name} ${T_SOURCES} ${T_RESOURCES})
  nuvari_target_options(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
  if(WIN32)
    # Discovery at test time, never at build time: listing the tests means starting Wine.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES TIMEOUT ${NUVARI_TEST_TIMEOUT})
  else()
    gtest_discover_tests(${name} PROPERTIES TIMEOUT ${NUVARI_TEST_TIMEOUT})
  endif()
endfunction()
