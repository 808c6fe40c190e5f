# Common compile settings for every lexovita target.
function(lexovita_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)

endfunction()
