#!/usr/bin/env bash
# Runs every benchmark of the build and prints their figures, one JSON object per line.
set -euo pipefail
build=${1:-build}
for b in "$build"/bin/bench_*; do
  [ -x "$b" ] && "$b"
done
