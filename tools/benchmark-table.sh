#!/usr/bin/env bash
# Prints the README's performance table of the shots and the frame of play:
# runs both benchmark programs of an existing build, pinned to one core,
# five repetitions each, and prints each figure's median beside the
# reference it is compared with in the same process (the structure-of-arrays
# shot baseline, or the isolated hit pass) and the ratio to it.
#   tools/benchmark-table.sh [build-dir, default build]
# BENCHMARK_CORE picks the core (default: the last one). Builds nothing. The
# play program needs an X server: without DISPLAY it runs under xvfb-run.
# Progress goes to stderr, the table to stdout.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
combat=$build/benchmarks/zarnith_benchmarks
play=$build/benchmarks/zarnith_play_benchmarks
for program in "$combat" "$play"; do
  if [[ ! -x $program ]]; then
    echo "benchmark-table: $program is missing: build first" \
      "(cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo && cmake --build build)" >&2
    exit 1
  fi
done

core=${BENCHMARK_CORE:-$(($(nproc) - 1))}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
repeated=(--benchmark_repetitions=5 --benchmark_out_format=json)

# The shots' own figures; the rig stands still.
taskset -c "$core" "$combat" "${repeated[@]}" --benchmark_out="$work/combat.json" \
  --benchmark_filter='^(BM_ShotBaselineSoA|BM_ShotFlightStepFullPools/movingRig:0|BM_ShotStepWithHitsFullPools/movingRig:0|HitPassThroughScreenGrids)$' >&2

playRun=(taskset -c "$core" "$play" "${repeated[@]}" --benchmark_out="$work/play.json")
if [[ -z ${DISPLAY:-} ]]; then
  xvfb-run -a -s "-noreset -screen 0 1920x1080x24" "${playRun[@]}" >&2
else
  "${playRun[@]}" >&2
fi

python3 "$here/benchmark_table.py" "$work/combat.json" "$work/play.json" "$core"
