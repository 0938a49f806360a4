#!/usr/bin/env bash
# The benchmark suite in one command: configure, build, generate the databases when
# missing or stale, run, and print each size's table of figures with the peak memory.
#   bash bench/run.sh                 # 100,000 and 1,000,000 tickets
#   bash bench/run.sh 1000000         # one size
# Extra options for the benchmarks go in BENCH_ARGS (e.g. BENCH_ARGS=--benchmark_filter=search).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BENCH_BUILD:-$root/build-bench}"
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(100000 1000000)

if ! dpkg -s libbenchmark-dev >/dev/null 2>&1; then
  echo "Installing Google Benchmark (libbenchmark-dev)"
  apt-get update -qq && apt-get install -y -qq libbenchmark-dev
fi

cmake -S "$root" -B "$build" -G Ninja -DVARNEL_BENCH=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
ninja -C "$build" -j"$(nproc)" varnel_benchgen varnel_bench

"$build/bench/varnel_benchgen" "${sizes[@]}" >/dev/null

status=0
for size in "${sizes[@]}"; do
  figures="$build/bench/figures-$size.md"
  echo "== $size tickets"
  # The peak memory of the whole run: the program's work and the floors beside it.
  /usr/bin/time -v -o "$build/bench/time-$size.txt" \
    env QT_QPA_PLATFORM=offscreen "$build/bench/varnel_bench" --tickets="$size" --figures="$figures" \
    --benchmark_color=false ${BENCH_ARGS:-} >"$build/bench/run-$size.log" 2>&1 || status=$?
  peak_kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$build/bench/time-$size.txt")
  printf '\nPeak memory of the run: %d MB\n' "$((peak_kb / 1024))" >>"$figures"
  cat "$figures"
  echo "(full output: $build/bench/run-$size.log)"
done
exit "$status"
