#!/usr/bin/env bash
# Builds the fuzz targets and runs each for a bounded time from its seeds in
# fuzz/corpus/<target>/ (only read; new inputs go to a scratch corpus). Fails
# on any crash, leak, sanitizer report, hang or runaway memory; a failing
# input is kept in build/fuzz/findings/. Prints the executions per target.
#
#   fuzz/run.sh [seconds per target, default 60] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
[ $# -gt 0 ] || set -- fuzz/*_fuzz.cc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for target in "$@"; do
  target=$(basename "$target" .cc)
  # The dialogue makes a whole puzzle every few lines, so its inputs stay
  # short; files may be longer.
  case "$target" in dialogue_fuzz) max_len=3000 ;; file_readers_fuzz) max_len=16384 ;; *) max_len=4096 ;; esac
  seeds=$PWD/fuzz/corpus/$target
  [ -d "$seeds" ] || seeds=
  dir=$work/$target
  mkdir -p "$dir/corpus" "$dir/artifacts"
  echo "== $target (${seconds} s) =="
  status=0
  "build/fuzz/fuzz/$target" "$dir/corpus" ${seeds:+"$seeds"} -max_total_time="$seconds" \
    -max_len=$max_len -timeout=10 -rss_limit_mb=2048 -error_exitcode=77 -timeout_exitcode=78 \
    -print_final_stats=1 -artifact_prefix="$dir/artifacts/" >"$dir/log" 2>&1 || status=$?
  grep -o 'number_of_executed_units: *[0-9]*' "$dir/log" | sed "s/.*: */$target: executions /" || true
  if [ "$status" -ne 0 ] ||
    grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$dir/log"; then
    echo "FAILED: $target (status $status)"
    tail -n 60 "$dir/log"
    mkdir -p build/fuzz/findings
    cp -v "$dir"/artifacts/* build/fuzz/findings/ 2>/dev/null || true
    failed+=("$target")
  fi
done
[ ${#failed[@]} -eq 0 ] || { echo "failed: ${failed[*]}"; exit 1; }
