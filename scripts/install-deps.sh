#!/usr/bin/env bash
# Installs what the build uses beyond the machine image, each optional for the
# build itself: UDUNITS-2, the peer library of the benchmarks (skipped when
# absent); libedit, the line editor of the tool's dialogue (plain lines when
# absent); {fmt}, for the tests of the opt-in formatters (untested when absent);
# Doxygen, for the docs target (no target when absent, and .ci/run requires it).
set -u
declare -A without=(
    [libudunits2-dev]="the peer benchmarks will be skipped"
    [libedit-dev]="the tool's dialogue will read lines without editing"
    [libfmt-dev]="the {fmt} formatters will not be tested"
    [doxygen]="there will be no docs target"
)
missing=()
for package in libudunits2-dev libedit-dev libfmt-dev doxygen; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
    (apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}") >/dev/null 2>&1
fi
for package in "${missing[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || echo "install-deps: $package is not installed; ${without[$package]}" >&2
done
exit 0
