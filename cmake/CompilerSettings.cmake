# Warnings for the project's own targets; link tarnwick_warnings to opt in.
add_library(tarnwick_warnings INTERFACE)
target_compile_options(tarnwick_warnings INTERFACE
  -Wall -Wextra -Wshadow -Wconversion -Wsign-conversion -Wpedantic
  $<$<BOOL:${TARNWICK_WERROR}>:-Werror>)

# The sanitizers cover everything built here, tests included, so a bad read
# anywhere stops the run instead of passing silently.
# The standard library checks its own bounds too: a span read past a chunk's
# end, or an empty optional read, stops the run. A chunk shares its file's
# buffer, where the address sanitizer alone would see nothing wrong.
if(TARNWICK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# The layers the fuzz targets feed (the file model and the system's readers).
# Built with clang under the sanitizers, the same build carries the fuzz
# targets: these layers are optimized, as fuzzing wants speed, and record the
# coverage libFuzzer steers by. A sanitizer build may leave the rest without
# optimization, which halves its compile time and finds the same faults.
function(tarnwick_fuzzed_layer target)
  if(TARNWICK_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    target_compile_options(${target} PRIVATE -O1 -fsanitize=fuzzer-no-link)
  endif()
endfunction()

# LLVM's linker links the sanitized test programs several times faster than
# the default one; where it is missing, the default serves.
find_program(TARNWICK_LLD ld.lld)
if(TARNWICK_LLD AND NOT CMAKE_CROSSCOMPILING)
  add_link_options(-fuse-ld=lld)
endif()

# <windows.h> without its rarely used parts, and without the min and max
# macros that would break std::min; set here for every source, as a source
# compiled in a batch may follow one that included it already.
if(WIN32)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX=1)
endif()
