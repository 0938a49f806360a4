#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a set time:
#   bash tests/fuzz/run.sh [seconds per target, default 60] [target...]
# Installs clang and its fuzzer runtime when missing (Debian 12, as root). Not part of
# the CI run. Exits non-zero when a target crashes, hangs or breaks its invariant; the
# input that did it is kept in the build folder. Inputs under tests/fuzz/seeds/<target>
# start each run; a finding worth keeping goes there and into a regression test.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}

packages=(clang libclang-rt-14-dev cmake ninja-build pkgconf qt6-base-dev libsqlcipher-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

build=${VARNEL_FUZZ_BUILD_DIR:-build-fuzz}
CXX=clang++ cmake -S tests/fuzz -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j "$(nproc)"

targets=(fuzz_lines fuzz_door_number fuzz_fees fuzz_numbering fuzz_facility_code fuzz_csv_line)
[ $# -gt 1 ] && targets=("${@:2}")
failed=0
summary=()
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  mkdir -p "$corpus" "$build/crashes/$t"
  log="$build/$t.log"
  # -timeout: one input taking longer than 10 s counts as a hang.
  seeds=()
  [ -d "tests/fuzz/seeds/$t" ] && seeds=("tests/fuzz/seeds/$t")
  if ASAN_OPTIONS=detect_leaks=0 "$build/$t" "$corpus" "${seeds[@]}" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=4096 -max_len=4096 -print_final_stats=1 \
      -artifact_prefix="$build/crashes/$t/" >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    failed=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  summary+=("$(printf '%-20s %-7s %12s executions' "$t" "$result" "$runs")")
  [ "$result" = ok ] || tail -n 30 "$log"
done
printf '%s\n' "${summary[@]}"
exit $failed
