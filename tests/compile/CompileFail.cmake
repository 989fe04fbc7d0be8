# Checks that SOURCE does NOT compile with COMPILER and FLAGS (blank-separated), for the
# mistake it holds, and that the compiler's message says what every "// expect: <regex>"
# line of SOURCE asks. With CONTROL set, the same file compiled with
# -DQELUNITS_COMPILE_FAIL_CONTROL (the mistake put right) must compile first, so that no
# other error can pass for the expected one. Run with cmake -P.
separate_arguments(flags UNIX_COMMAND "${FLAGS}")
file(STRINGS "${SOURCE}" expectations REGEX "^// expect: ")
if(NOT expectations)
    message(FATAL_ERROR "${SOURCE} has no '// expect: ' line")
endif()

if(CONTROL)
    execute_process(COMMAND "${COMPILER}" ${flags} -DQELUNITS_COMPILE_FAIL_CONTROL -fsyntax-only -x c++ "${SOURCE}"
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${SOURCE} with the mistake put right does not compile (${rc}):\n${out}")
    endif()
endif()

# The C locale, so that the compilers quote with plain apostrophes.
set(ENV{LC_ALL} C)
execute_process(COMMAND "${COMPILER}" ${flags} -fsyntax-only -x c++ "${SOURCE}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(rc EQUAL 0)
    message(FATAL_ERROR "${SOURCE} compiles, but its mistake must not")
endif()
foreach(line IN LISTS expectations)
    string(REGEX REPLACE "^// expect: " "" pattern "${line}")
    if(NOT out MATCHES "${pattern}")
        message(FATAL_ERROR "${SOURCE} fails, but the message does not match '${pattern}':\n${out}")
    endif()
endforeach()
