include(CTest)

if(NOT BUILD_TESTING)
  return()
endif()

if(WIN32)
  # GoogleTest is compiled from the sources Debian ships, with the same toolchain.
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # Every Windows test runs under Wine in a prefix owned by this build tree.
  set(WINE_PREFIX "${CMAKE_BINARY_DIR}/wineprefix")
  set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/cmake/wine-run.sh;${WINE_PREFIX}")
else()
  find_package(GTest REQUIRED)
endif()

# add_unit_test(<name> SOURCES ... LIBS ... [GUI] [RUNNER command ...])
# One test binary is one ctest entry. GUI marks tests that create windows
# (they need the X display that `./dev test` provides through xvfb-run).
# RUNNER is a command that runs the test binary, given as its last argument,
# in place of running it directly.
function(add_unit_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS;RUNNER" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  if(T_RUNNER)
    add_test(NAME ${name} COMMAND ${T_RUNNER} $<TARGET_FILE:${name}>)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  # A hung Wine program must fail the run, not stall CI.
  set_tests_properties(${name} PROPERTIES WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}" TIMEOUT 300)
  if(T_GUI)
    set_tests_properties(${name} PROPERTIES LABELS gui)
  endif()
endfunction()
