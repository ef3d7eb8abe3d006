# Warnings, sanitizers and the static Windows runtime, applied to every target.
add_compile_options(-Wall -Wextra)

if(WIN32)
  enable_language(RC)
  # The deliverables must run from a bare folder: no libgcc/libstdc++/winpthread DLLs.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
else()
  option(ENABLE_SANITIZERS "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
  if(ENABLE_SANITIZERS)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
  endif()
  option(ENABLE_THREAD_SANITIZER "Build with ThreadSanitizer (not together with ENABLE_SANITIZERS)" OFF)
  if(ENABLE_THREAD_SANITIZER)
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
  endif()
endif()

option(BUILD_BENCHMARKS "Build the Google Benchmark programs (native-release preset)" OFF)

# For a resident program, a library loaded into one, or a program that must
# show its window quickly: Wine copies every section of an image whose
# sections are not page-aligned in the file into private memory, debug
# sections included. Page-aligned sections are mapped from the file instead,
# and the debug information moves to <file>.debug beside it (found through a
# debug link).
function(make_lean_image target)
  if(WIN32)
    target_link_options(${target} PRIVATE -Wl,--file-alignment,4096)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
      COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug
              $<TARGET_FILE:${target}>
      VERBATIM)
  endif()
endfunction()

# Builds a GUI program (no console window under Wine or Windows).
function(make_gui_program target)
  if(WIN32)
    target_link_options(${target} PRIVATE -mwindows)
  endif()
endfunction()
