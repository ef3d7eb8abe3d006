# Conventions shared by the subsystem folders.
#
# add_subsystem_libraries(<name> [LIBS ...] [WIN_LIBS ...])
#   <name>_core: every .cpp of the folder except *_win.cpp; plain C++, built
#                in both trees.
#   <name>_win:  the folder's *_win.cpp (files that include <windows.h>);
#                built only in the windows tree, linked to <name>_core.
# New files are picked up without editing the list (CONFIGURE_DEPENDS).
function(add_subsystem_libraries name)
  cmake_parse_arguments(S "" "" "LIBS;WIN_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(core ${sources})
  list(FILTER core EXCLUDE REGEX "_win\\.cpp$")
  if(core)
    add_library(${name}_core STATIC ${core})
    target_include_directories(${name}_core PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name}_core PUBLIC ${S_LIBS})
  else()
    # A folder whose code is all platform code still offers <name>_core.
    add_library(${name}_core INTERFACE)
    target_include_directories(${name}_core INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name}_core INTERFACE ${S_LIBS})
  endif()
  if(WIN32)
    set(win ${sources})
    list(FILTER win INCLUDE REGEX "_win\\.cpp$")
    if(win)
      add_library(${name}_win STATIC ${win})
      target_link_libraries(${name}_win PUBLIC ${name}_core ${S_WIN_LIBS})
    endif()
  endif()
endfunction()

# add_subsystem_tests(<name> LIBS ... [WIN_LIBS ...])
#   <name>_test:     every *_test.cpp of the folder except *_win_test.cpp,
#                    built and run in both trees (natively and under Wine).
#   <name>_win_test: the folder's *_win_test.cpp, windows tree only, run
#                    under Wine with the X display of `./dev test`.
function(add_subsystem_tests name)
  cmake_parse_arguments(S "" "" "LIBS;WIN_LIBS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  set(portable ${tests})
  list(FILTER portable EXCLUDE REGEX "_win_test\\.cpp$")
  if(portable)
    add_unit_test(${name}_test SOURCES ${portable} LIBS ${S_LIBS})
  endif()
  if(WIN32)
    set(win ${tests})
    list(FILTER win INCLUDE REGEX "_win_test\\.cpp$")
    if(win)
      add_unit_test(${name}_win_test SOURCES ${win} LIBS ${S_LIBS} ${S_WIN_LIBS} GUI)
    endif()
  endif()
endfunction()
