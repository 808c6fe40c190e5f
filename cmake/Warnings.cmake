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
