# Installs the build tree BUILD_DIR into a scratch prefix, builds the consumer
# project against it (find_package and pkg-config, a program with exceptions
# off among them) and runs its programs and the installed tool; then configures
# PROJECT_DIR as a static library (BUILD_SHARED_LIBS=OFF) that archives the
# objects BUILD_DIR compiled, installs it into a second prefix and does the same
# with it. Every configure reuses BUILD_DIR's detection of the compiler, so the
# whole takes seconds. Run with cmake -P; see tests/CMakeLists.txt.
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

# Configures source into build with the compiler BUILD_DIR detected (same compiler, same CMake).
function(configure source build)
    file(COPY "${BUILD_DIR}/CMakeFiles/${CMAKE_VERSION}" DESTINATION "${build}/CMakeFiles")
    step("${CMAKE_COMMAND}" -S "${source}" -B "${build}" ${toolchain} ${ARGN})
endfunction()

function(expect_installed root)
    foreach(file ${ARGN})
        if(NOT EXISTS "${root}/${file}")
            message(FATAL_ERROR "not installed in ${root}: ${file}")
        endif()
    endforeach()
endfunction()

# Builds the consumer against the package in root and runs its programs.
function(consume root kind)
    set(build "${WORK_DIR}/${kind}-consumer")
    configure("${SOURCE_DIR}" "${build}" "-DCMAKE_PREFIX_PATH=${root}")
    step("${CMAKE_COMMAND}" --build "${build}" --parallel 2)
    foreach(program consumer_cmake consumer_pkgconfig consumer_noexceptions)
        step("${build}/${program}")
        if(NOT step_output MATCHES "\nok\n$")
            message(FATAL_ERROR "${program} (${kind}) printed: ${step_output}")
        endif()
    endforeach()
endfunction()

step("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}")
set(packageFiles include/qelunits/QelUnitParser.h include/qelunits/QelUnitsFmt.h include/qelunits/Quantity.h
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
configure("${PROJECT_DIR}" "${staticBuild}" -DBUILD_SHARED_LIBS=OFF -DQELUNITS_BUILD_TESTS=OFF
          -DQELUNITS_BUILD_TOOLS=OFF "-DCMAKE_BUILD_TYPE=${BUILD_TYPE}"
          "-DQELUNITS_OBJECTS_FROM=${BUILD_DIR}/src/CMakeFiles/qelunits_obj.dir")
step("${CMAKE_COMMAND}" --build "${staticBuild}" --target qelunits)
step("${CMAKE_COMMAND}" --install "${staticBuild}" --prefix "${staticPrefix}")
expect_installed("${staticPrefix}" ${packageFiles} ${LIBDIR}/libqelunits.a)
file(GLOB shared "${staticPrefix}/${LIBDIR}/libqelunits.so*")
if(shared)
    message(FATAL_ERROR "a static build installed ${shared}")
endif()
consume("${staticPrefix}" static)
message(STATUS "installed packages build and run: ${prefix}, ${staticPrefix}")
