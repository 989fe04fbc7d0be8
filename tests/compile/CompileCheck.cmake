# Compiles SOURCE with COMPILER and FLAGS (blank-separated) for syntax only, and
# fails with the compiler's output when that does not succeed. Run with cmake -P,
# so that a memory checker wrapping the test sees cmake, not the compiler driver.
separate_arguments(flags UNIX_COMMAND "${FLAGS}")
execute_process(COMMAND "${COMPILER}" ${flags} -fsyntax-only -x c++ "${SOURCE}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${SOURCE} does not compile (${rc}):\n${out}")
endif()
