#!/usr/bin/env bash
# Builds the fuzz targets and runs each for a bounded time, starting from the
# seed corpus in fuzz/corpus/<target>/. Fails on any crash, leak, sanitizer
# report, timeout or out-of-memory. Prints the executions per target.
#
#   fuzz/run.sh [seconds per target, default 60] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*_fuzz.cc; do targets+=("$(basename "$source" .cc)"); done
fi

# The longest input each target is given. The dialogue makes a whole puzzle
# per few lines, so its inputs stay short; files may be longer.
max_len_of() {
  case "$1" in
    dialogue_fuzz) echo 3000 ;;
    word_file_fuzz) echo 16384 ;;
    key_page_fuzz) echo 16384 ;;
    *) echo 4096 ;;
  esac
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

failed=()
summary=()
for target in "${targets[@]}"; do
  binary=$PWD/build/fuzz/fuzz/$target
  # The seeds in version control, by absolute path.
  seeds=$PWD/fuzz/corpus/$target
  mkdir -p "$work/$target/corpus" "$work/$target/artifacts"
  [ -d "$seeds" ] || seeds=
  echo "== $target (${seconds} s) =="
  status=0
  # New inputs go to the scratch corpus; the seeds in version control are
  # only read. -timeout catches a hang on one input, -rss_limit_mb a run
  # away memory use; -error_exitcode makes every finding fail the script.
  "$binary" "$work/$target/corpus" ${seeds:+"$seeds"} \
    -max_total_time="$seconds" -max_len="$(max_len_of "$target")" -timeout=10 \
    -rss_limit_mb=2048 -error_exitcode=77 -timeout_exitcode=78 -print_final_stats=1 \
    -artifact_prefix="$work/$target/artifacts/" >"$work/$target/log" 2>&1 || status=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/$target/log" | grep -o '[0-9]*$' || echo '?')
  if [ "$status" -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$work/$target/log"; then
    echo "FAILED: $target (status $status)"
    tail -n 60 "$work/$target/log"
    for artifact in "$work/$target"/artifacts/*; do
      [ -e "$artifact" ] || continue
      mkdir -p build/fuzz/findings
      cp "$artifact" build/fuzz/findings/
      echo "input kept as build/fuzz/findings/$(basename "$artifact")"
    done
    failed+=("$target")
  fi
  summary+=("$target: $runs executions")
done

echo "== fuzzing summary =="
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "failed: ${failed[*]}"
  exit 1
fi
