# A Wine test of dialogs driven by ModalScript, with the skin set, lan.dll
# and the screenshot writer; screenshots land in the build folder.
function(add_dialog_win_test target)
  if(NOT TARGET ${target})
    return()
  endif()
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/shell/gallery/gallery_screenshot_win.cpp)
  target_link_libraries(${target} PRIVATE lan_win skin_entries)
  add_dependencies(${target} skin_set lan)
  target_compile_definitions(${target} PRIVATE SKIN_SET_DIR="${CMAKE_BINARY_DIR}/skins_generated/"
    LAN_DIR="$<TARGET_FILE_DIR:lan>/" DIALOG_SHOTS_DIR="${CMAKE_BINARY_DIR}/")
endfunction()
