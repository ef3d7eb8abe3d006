# Libraries a start need not wait for: under Wine, loading comctl32 or
# comdlg32 with the program adds about 10 ms each before WinMain, shell32
# (with the libraries it brings) a few. Linked as <dll>_delayed, such a
# library loads at the first call of one of the functions its definition
# file in cmake/delay_load lists: comdlg32 when a file or colour dialog
# opens, comctl32 with the first tooltip, shell32 when Option opens its
# notes, msimg32 at the first transparent copy.
function(add_delay_loaded_library dll)
  if(NOT WIN32)
    return()
  endif()
  set(def ${PROJECT_SOURCE_DIR}/cmake/delay_load/${dll}.def)
  set(lib ${CMAKE_BINARY_DIR}/delay_load/lib${dll}_delayed.a)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/delay_load)
  execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${dll}.dll --output-delaylib ${lib}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "dlltool could not make the delay-load library of ${dll}")
  endif()
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
  add_library(${dll}_delayed INTERFACE)
  target_link_libraries(${dll}_delayed INTERFACE ${lib} delayimp)
endfunction()

add_delay_loaded_library(comctl32)
add_delay_loaded_library(comdlg32)
add_delay_loaded_library(shell32)
add_delay_loaded_library(msimg32)
