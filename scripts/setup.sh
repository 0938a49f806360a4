#!/usr/bin/env bash
# Sets up a Debian 12 machine for Varnel and builds it, then either starts the
# program (run), or runs every test (test). Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build pkgconf xauth xvfb qt6-base-dev qt6-base-dev-tools libgl-dev
          libsqlcipher-dev libsodium-dev poppler-utils fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

build=${VARNEL_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"

case "${1:-run}" in
  run)
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      exec "$build/bin/varnel"
    else
      exec xvfb-run -a "$build/bin/varnel"
    fi
    ;;
  test)
    (cd "$build" && ctest --output-on-failure -j "$(nproc)")
    # The whole suite once more, built with AddressSanitizer (leak checking included) and
    # UndefinedBehaviorSanitizer: any report fails its test.
    sanitized=${VARNEL_SANITIZE_BUILD_DIR:-build-sanitize}
    cmake -S . -B "$sanitized" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNEL_SANITIZE=ON >/dev/null
    cmake --build "$sanitized" -j "$(nproc)"
    cd "$sanitized"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --output-on-failure -j "$(nproc)"
    ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
