#!/usr/bin/env bash
# One harness as a test: each regression input once, by name, then a fixed
# number of runs from the seeds and the regression inputs, always with the
# same random seed. New inputs and any crash land in WORK, emptied first.
# usage: check.sh HARNESS RUNS SEEDS_DIR REGRESSIONS_DIR WORK_DIR
set -euo pipefail
harness=$1 runs=$2 seeds=$3 regressions=$4 work=$5
source "$(dirname "$0")/limits.sh"

rm -rf "$work"
mkdir -p "$work/corpus"
shopt -s nullglob
inputs=("$regressions"/*)
if ((${#inputs[@]} > 0)); then
  "$harness" "${fuzz_limits[@]}" "$check_hang" -artifact_prefix="$work/" "${inputs[@]}" </dev/null
fi
[[ -d "$seeds" ]] || { echo "no seeds in $seeds: build first (scripts/build)" >&2; exit 1; }
"$harness" "${fuzz_limits[@]}" "$check_hang" -seed=2004 -runs="$runs" -artifact_prefix="$work/" \
  "$work/corpus" "$seeds" "$regressions" </dev/null
