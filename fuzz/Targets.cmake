set(QELUNITS_FUZZ_TARGETS abbreviation lookup)
