# The fuzz build: every library the targets reach is instrumented for
# libFuzzer's coverage and built with AddressSanitizer and UBSan, so a bad
# read deep in the parser is reported at the place it happens.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "LEXOVITA_FUZZ braucht clang (z. B. -DCMAKE_CXX_COMPILER=clang++).")
endif()

add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer -g)
add_link_options(-fsanitize=address,undefined)

add_subdirectory(src/model)
add_subdirectory(src/morph)
add_subdirectory(src/store)
add_subdirectory(src/learning)

enable_testing()
add_subdirectory(tests/fuzz)
