#!/usr/bin/env bash
# Installs what the build needs beyond the machine image, both optional:
# UDUNITS-2, the peer library of the benchmarks (skipped when absent), and
# libedit, the line editor of the tool's dialogue (plain lines when absent).
set -u
declare -A without=(
    [libudunits2-dev]="the peer benchmarks will be skipped"
    [libedit-dev]="the tool's dialogue will read lines without editing"
)
missing=()
for package in libudunits2-dev libedit-dev; do
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
