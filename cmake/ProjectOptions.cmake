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

# Builds a GUI program (no console window under Wine or Windows).
function(make_gui_program target)
  if(WIN32)
    target_link_options(${target} PRIVATE -mwindows)
  endif()
endfunction()
