# The fuzz targets, each in <name>_fuzz.cpp; read by fuzz/ and by the corpus replay in tests/.
set(QELUNITS_FUZZ_TARGETS abbreviation conversion definitions lookup parser tool)
# The tool target drives the command line's own source.
set(QELUNITS_FUZZ_EXTRA_SOURCES ${PROJECT_SOURCE_DIR}/tools/qelunits/Cli.cpp)
set(QELUNITS_FUZZ_INCLUDE_DIRS ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/fuzz ${PROJECT_SOURCE_DIR}/tools/qelunits)
