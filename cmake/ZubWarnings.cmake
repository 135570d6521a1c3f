# Our own targets build with warnings as errors; third-party headers are
# included as SYSTEM so their warnings stay theirs.
function(zub_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
      -Wno-error=deprecated-declarations)
  endif()
endfunction()
