#!/usr/bin/env bash
# Runs every fuzz target of a build configured with -DZARNITH_FUZZ=ON for a
# short time over its seeds (fuzz/corpus/<target>/), a few at once, and fails
# when any of them crashes, leaks, trips a sanitizer or hangs.
#   tools/run-fuzzers.sh <build-dir> [seconds per target, default 20]
# ZARNITH_FUZZ_JOBS sets how many run at once (default: one a core). Inputs found
# interesting are kept in <build-dir>/fuzz-work/<target>/ for the next run;
# crashing inputs and each target's log go to <build-dir>/fuzz-results/.
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 <build-dir> [seconds per target]" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
seconds=${2:-20}
jobs=${ZARNITH_FUZZ_JOBS:-$(nproc)}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
results=$build/fuzz-results
mkdir -p "$results" "$build/fuzz-work"

programs=("$build"/fuzz/fuzz_*)
if [ ! -x "${programs[0]}" ]; then
  echo "no fuzz targets in $build/fuzz: configure with -DZARNITH_FUZZ=ON and build" >&2
  exit 2
fi

# UBSan stops at the first report, so that it counts as a crash.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
# Leaks of the system's libraries that the runtime cannot mend are listed there.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$source_dir/fuzz/lsan.supp}

run_target() {
  local program=$1 name=${1##*/fuzz_}
  local work=$build/fuzz-work/$name options=()
  mkdir -p "$work"
  # The text formats share a dictionary; the sound targets read binary files.
  case $name in
    sound_*) ;;
    *) options+=(-dict="$source_dir/fuzz/text.dict") ;;
  esac
  if "$program" "${options[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$results/$name-" "$work" "$source_dir/fuzz/corpus/$name" \
       >"$results/$name.log" 2>&1; then
    echo "passed  $name"
  else
    echo "FAILED  $name (see $results/$name.log)"
    return 1
  fi
}
export -f run_target
export build seconds source_dir results

if printf '%s\n' "${programs[@]}" | xargs -P "$jobs" -I{} bash -c 'run_target "$1"' _ {}; then
  echo "every fuzz target ran ${seconds}s without a crash"
else
  echo "fuzz targets crashed: crashing inputs are in $results" >&2
  exit 1
fi
