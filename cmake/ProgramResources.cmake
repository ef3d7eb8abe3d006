# The suite's version and the resources every shipped program file carries.
#
# The version is defined once, by project(VERSION) in the top-level
# CMakeLists.txt. It reaches the code through the generated header
# "version/app_version.h" (link the INTERFACE target app_version) and the
# files through add_program_resources.
set(APP_PRODUCT_NAME "DuvaraZariv")
set(APP_VERSION_INCLUDE_DIR ${CMAKE_BINARY_DIR}/generated_version)
configure_file(${CMAKE_CURRENT_LIST_DIR}/app_version.h.in ${APP_VERSION_INCLUDE_DIR}/version/app_version.h @ONLY)
add_library(app_version INTERFACE)
target_include_directories(app_version INTERFACE ${APP_VERSION_INCLUDE_DIR})

# add_program_resources(<target> DESCRIPTION <text>)
#   Gives a shipped program or library its version information; a program
#   also gets the suite's application manifest (cmake/program.manifest):
#   common controls 6, and not DPI-aware, because the windows are drawn from
#   fixed-size bitmaps that Windows should scale on high-DPI screens.
function(add_program_resources target)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(R "" "DESCRIPTION" "" ${ARGN})
  get_target_property(type ${target} TYPE)
  set(RES_TARGET ${target})
  set(RES_DESCRIPTION "${R_DESCRIPTION}")
  if(type STREQUAL "EXECUTABLE")
    set(RES_FILE_NAME "${target}.exe")
    set(RES_FILE_TYPE VFT_APP)
    set(RES_MANIFEST "1 24 \"${PROJECT_SOURCE_DIR}/cmake/program.manifest\"")
  else()
    get_target_property(name ${target} OUTPUT_NAME)
    if(NOT name)
      set(name ${target})
    endif()
    set(RES_FILE_NAME "${name}.dll")
    set(RES_FILE_TYPE VFT_DLL)
    set(RES_MANIFEST "")
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_info.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  target_include_directories(${target} PRIVATE ${APP_VERSION_INCLUDE_DIR})
  # The manifest is read by the resource compiler, which CMake does not scan for it.
  set_property(SOURCE ${rc} TARGET_DIRECTORY ${target} APPEND PROPERTY OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/program.manifest)
endfunction()
