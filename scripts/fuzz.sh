#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang and runs each one for a bounded time on a copy of
# its seed corpus. Fails on any crash, hang, leak or sanitizer report.
# FUZZ_SECONDS sets the time per harness (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMARIS_FUZZ=ON -DVELMARIS_BUILD_TESTS=OFF -DVELMARIS_BUILD_BENCH=OFF -DVELMARIS_WERROR=ON
harnesses=()
for corpus in fuzz/corpus/*/; do harnesses+=("$(basename "$corpus")"); done
cmake --build build-fuzz -j"$(nproc)" --target "${harnesses[@]}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
for corpus in fuzz/corpus/*/; do
  name="$(basename "$corpus")"
  mkdir -p "$work/$name"
  cp "$corpus"/* "$work/$name/"
  if build-fuzz/fuzz/"$name" "$work/$name" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -max_len=1048576 -print_final_stats=1 > "$work/$name.log" 2>&1; then
    runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/$name.log" | grep -o '[0-9]*$')"
    echo "fuzz $name: ${runs:-?} executions, no findings"
  else
    echo "fuzz $name: FAILED"
    tail -n 60 "$work/$name.log"
    status=1
  fi
done
exit "$status"
