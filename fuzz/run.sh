#!/usr/bin/env bash
# Runs every fuzzing harness of BUILD_DIR for SECONDS each, starting from the committed seeds;
# the corpus grows in BUILD_DIR/corpus. Exits non-zero when a harness finds a fault.
set -euo pipefail
build=${1:?build folder}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
status=0
for harness in "$build"/fuzz/*Fuzz; do
  [[ -x "$harness" ]] || continue
  name=$(basename "$harness")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  log="$build/$name.log"
  if "$harness" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$build/$name-" "$corpus" "$here/corpus/$name" > "$log" 2>&1; then
    runs=$(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
    echo "$name: ${runs:-?} runs in ${seconds} s, no finding"
  else
    echo "$name: FOUND A FAULT (see $log and $build/$name-*)"
    tail -n 30 "$log"
    status=1
  fi
done
exit $status
