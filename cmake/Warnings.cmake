# Common compile settings for every lexovita target.
# CI builds with LEXOVITA_WERROR=ON so a new warning fails the build instead of
# scrolling past; a developer's local build keeps warnings as warnings.
option(LEXOVITA_WERROR "Treat compiler warnings as errors" OFF)

function(lexovita_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
  if(LEXOVITA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# The program's own libraries and binaries, stricter than tests and benchmarks:
# no implicit conversion of a char string to QString (every literal says its
# encoding), no narrowing between signal and slot arguments, and no hidden
# name, base without virtual destructor or hidden overload, each a bug waiting
# for the next edit.
function(lexovita_product_defaults target)
  lexovita_target_defaults(${target})
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
  target_compile_options(${target} PRIVATE -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual)
endfunction()
