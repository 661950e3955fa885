#!/usr/bin/env bash
# Counts the instructions of one LZHUF decode under callgrind and prints them per output byte.
# usage: callgrind.sh <path to bench_lzh> [--package FILE.skn]
set -euo pipefail
bench=${1:?usage: callgrind.sh <path to bench_lzh> [--package FILE.skn]}
shift
out=$(mktemp)
trap 'rm -f "$out" "$out".*' EXIT
bytes=$("$bench" --once "$@" | sed -n 's/^decoded once: \([0-9]*\) output bytes$/\1/p')
valgrind --tool=callgrind --callgrind-out-file="$out" --collect-atstart=no \
  --toggle-collect='quarnel::bench::DecodeOnce*' "$bench" --once "$@" >/dev/null 2>&1
ir=$(callgrind_annotate "$out" 2>/dev/null | sed -n 's/^ *\([0-9,]*\) .*PROGRAM TOTALS.*/\1/p' | tr -d ,)
echo "instructions: $ir for $bytes output bytes"
awk -v ir="$ir" -v b="$bytes" 'BEGIN { printf "instructions per output byte: %.1f\n", ir / b }'
