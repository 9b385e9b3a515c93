# Warnings for the project's own targets: sorenix_warnings(<target>).
function(sorenix_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
