set(QELUNITS_FUZZ_TARGETS conversion)
