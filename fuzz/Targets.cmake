set(QELUNITS_FUZZ_TARGETS abbreviation conversion lookup)
