# The fuzz targets, each in <name>_fuzz.cpp; read by fuzz/ and by the corpus replay in tests/.
set(QELUNITS_FUZZ_TARGETS abbreviation conversion definitions lookup parser tool)
# The tool target drives the command line's own sources, which the tool's tests compile too.
set(QELUNITS_CLI_SOURCES Cli.cpp Commands.cpp Dialogue.cpp Listings.cpp Output.cpp Reading.cpp)
list(TRANSFORM QELUNITS_CLI_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/tools/qelunits/)
set(QELUNITS_FUZZ_EXTRA_SOURCES ${QELUNITS_CLI_SOURCES})
set(QELUNITS_FUZZ_INCLUDE_DIRS ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/fuzz ${PROJECT_SOURCE_DIR}/tools/qelunits)
