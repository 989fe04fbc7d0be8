#!/usr/bin/env bash
# Installs what the build needs beyond the machine image: UDUNITS-2, the peer
# library of the benchmarks (optional; the benchmarks skip it when absent).
set -u
if dpkg -s libudunits2-dev >/dev/null 2>&1; then
    exit 0
fi
if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
    (apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq libudunits2-dev) >/dev/null 2>&1 ||
        echo "install-deps: libudunits2-dev could not be installed; the peer benchmarks will be skipped" >&2
else
    echo "install-deps: not root; install libudunits2-dev to benchmark against UDUNITS-2" >&2
fi
exit 0
