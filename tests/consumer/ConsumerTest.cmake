# Installs the build tree BUILD_DIR into a scratch prefix, builds the consumer
# project against it (find_package and pkg-config) and runs both programs and
# the installed tool. Run with cmake -P; see tests/CMakeLists.txt.
set(prefix "${WORK_DIR}/prefix")
file(REMOVE_RECURSE "${WORK_DIR}")

function(step)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
    endif()
    set(step_output "${out}" PARENT_SCOPE)
endfunction()

step("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}")
foreach(file include/qelunits/QelUnitParser.h ${LIBDIR}/cmake/QelUnits/QelUnitsConfig.cmake
             ${LIBDIR}/cmake/QelUnits/QelUnitsConfigVersion.cmake ${LIBDIR}/pkgconfig/qelunits.pc)
    if(NOT EXISTS "${prefix}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

step("${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${WORK_DIR}/build" "-DCMAKE_PREFIX_PATH=${prefix}"
     "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}" "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
     "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}")
step("${CMAKE_COMMAND}" --build "${WORK_DIR}/build")
foreach(program consumer_cmake consumer_pkgconfig)
    step("${WORK_DIR}/build/${program}")
    if(NOT step_output MATCHES "\nok\n$")
        message(FATAL_ERROR "${program} printed: ${step_output}")
    endif()
endforeach()

if(EXISTS "${prefix}/bin/qelunits")
    step("${prefix}/bin/qelunits" convert 100 °C °F)
    if(NOT step_output STREQUAL "212 °F\n")
        message(FATAL_ERROR "installed qelunits printed: ${step_output}")
    endif()
endif()
message(STATUS "installed package builds and runs: ${prefix}")
