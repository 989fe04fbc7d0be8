#!/usr/bin/env bash
# Installs what the build uses beyond the machine image. Each is optional for the
# build itself, which goes on without it:
#  - libudunits2-dev: the peer library of the benchmarks (they skip it when absent);
#  - libfmt-dev: {fmt}, for the tests of the opt-in formatters (untested when absent);
#  - doxygen: the docs target (absent without it; .ci/run requires it).
set -u
missing=()
for package in libudunits2-dev libfmt-dev doxygen; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
    (apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}") >/dev/null 2>&1 ||
        echo "install-deps: could not install ${missing[*]}; what needs them is skipped" >&2
else
    echo "install-deps: not root; install ${missing[*]} for the benchmarks' peer, the {fmt} tests and the docs" >&2
fi
exit 0
