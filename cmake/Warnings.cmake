# Our own code builds with every common warning as an error; third-party code does not.
function(vorthmere_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
