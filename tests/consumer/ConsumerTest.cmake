# Installs the build tree BUILD_DIR into a scratch prefix, builds the consumer
# project against it (find_package and pkg-config) and runs both programs and
# the installed tool; then builds the library from PROJECT_DIR as a static
# library (BUILD_SHARED_LIBS=OFF), installs it into a second prefix and does the
# same with it. Run with cmake -P; see tests/CMakeLists.txt.
set(prefix "${WORK_DIR}/prefix")
set(staticPrefix "${WORK_DIR}/static-prefix")
file(REMOVE_RECURSE "${WORK_DIR}")
set(toolchain "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}" "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
              "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}")

function(step)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
    endif()
    set(step_output "${out}" PARENT_SCOPE)
endfunction()

function(expect_installed root)
    foreach(file ${ARGN})
        if(NOT EXISTS "${root}/${file}")
            message(FATAL_ERROR "not installed in ${root}: ${file}")
        endif()
    endforeach()
endfunction()

# Builds the consumer against the package in root and runs both of its programs.
function(consume root kind)
    set(build "${WORK_DIR}/${kind}-consumer")
    step("${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${build}" "-DCMAKE_PREFIX_PATH=${root}" ${toolchain})
    step("${CMAKE_COMMAND}" --build "${build}")
    foreach(program consumer_cmake consumer_pkgconfig)
        step("${build}/${program}")
        if(NOT step_output MATCHES "\nok\n$")
            message(FATAL_ERROR "${program} (${kind}) printed: ${step_output}")
        endif()
    endforeach()
endfunction()

step("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}")
set(packageFiles include/qelunits/QelUnitParser.h include/qelunits/QelUnitsFmt.h
                 ${LIBDIR}/cmake/QelUnits/QelUnitsConfig.cmake ${LIBDIR}/cmake/QelUnits/QelUnitsConfigVersion.cmake
                 ${LIBDIR}/pkgconfig/qelunits.pc)
expect_installed("${prefix}" ${packageFiles})
consume("${prefix}" shared)

if(EXISTS "${prefix}/bin/qelunits")
    step("${prefix}/bin/qelunits" convert 100 °C °F)
    if(NOT step_output STREQUAL "212 °F\n")
        message(FATAL_ERROR "installed qelunits printed: ${step_output}")
    endif()
endif()

set(staticBuild "${WORK_DIR}/static-build")
step("${CMAKE_COMMAND}" -S "${PROJECT_DIR}" -B "${staticBuild}" -DBUILD_SHARED_LIBS=OFF -DQELUNITS_BUILD_TESTS=OFF
     -DQELUNITS_BUILD_TOOLS=OFF "-DCMAKE_BUILD_TYPE=${BUILD_TYPE}" ${toolchain})
step("${CMAKE_COMMAND}" --build "${staticBuild}" --parallel 2)
step("${CMAKE_COMMAND}" --install "${staticBuild}" --prefix "${staticPrefix}")
expect_installed("${staticPrefix}" ${packageFiles} ${LIBDIR}/libqelunits.a)
file(GLOB shared "${staticPrefix}/${LIBDIR}/libqelunits.so*")
if(shared)
    message(FATAL_ERROR "a static build installed ${shared}")
endif()
consume("${staticPrefix}" static)
message(STATUS "installed packages build and run: ${prefix}, ${staticPrefix}")
