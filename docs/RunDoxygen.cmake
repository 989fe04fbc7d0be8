# Runs DOXYGEN on DOXYFILE and fails, printing the warnings, unless it ran
# without one and wrote the HTML index into OUTPUT. Run with cmake -P: the docs
# target and the docs test share it, and a memory checker wrapping the test sees cmake.
file(REMOVE_RECURSE "${OUTPUT}")
file(MAKE_DIRECTORY "${OUTPUT}")
execute_process(COMMAND "${DOXYGEN}" "${DOXYFILE}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
set(warnings "")
if(EXISTS "${OUTPUT}/warnings.log")
    file(READ "${OUTPUT}/warnings.log" warnings)
endif()
if(NOT rc EQUAL 0 OR NOT warnings STREQUAL "" OR NOT EXISTS "${OUTPUT}/html/index.html")
    message(FATAL_ERROR "doxygen failed (${rc}):\n${out}${warnings}")
endif()
message(STATUS "API reference: ${OUTPUT}/html/index.html")
