#!/usr/bin/env bash
# Builds Visitrail and every test (installing what they need) and runs them all:
#   1. the unit, end-to-end and report-page tests (Release build);
#   2. the same suite under AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. a short run of every libFuzzer target;
#   4. the Windows executable, cross-built and checked under Wine.
# Set VT_SKIP_SANITIZE=1, VT_SKIP_FUZZ=1 or VT_SKIP_WINDOWS=1 to leave a stage out.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
"$root/scripts/deps.sh" test
# playwright-core drives Debian's Chromium for the report page checks.
if [ ! -d "$root/tests/page/node_modules/playwright-core" ]; then
  (cd "$root/tests/page" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
fi
# chdb embeds a current ClickHouse for the fleet check on 26.x (fleet_chdb).
if [ ! -d "$root/tests/fleet/chdb/node_modules/chdb" ]; then
  (cd "$root/tests/fleet/chdb" && npm ci --no-audit --no-fund --loglevel=error)
fi

stage() { printf '\n== %s ==\n' "$*"; ran=$((ran + 1)); }
failed=()
ran=0

stage "Build and test (Release)"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DVT_BUILD_TESTS=ON >/dev/null
cmake --build "$root/build" -j"$jobs"
(cd "$root/build" && ctest --output-on-failure -j"$jobs") || failed+=("tests")

if [ -z "${VT_SKIP_SANITIZE:-}" ]; then
  stage "Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
  cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DVT_SANITIZE=ON \
    -DVT_BUILD_TESTS=ON >/dev/null
  cmake --build "$root/build-asan" -j"$jobs"
  # The page checks run JavaScript in Chromium; they gain nothing here.
  (cd "$root/build-asan" &&
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure -j"$jobs" -E '^page_') || failed+=("sanitizers")
fi

if [ -z "${VT_SKIP_FUZZ:-}" ]; then
  stage "Fuzz smoke run"
  "$root/scripts/fuzz.sh" "${VT_FUZZ_SECONDS:-8}" || failed+=("fuzz")
fi

if [ -z "${VT_SKIP_WINDOWS:-}" ] && [ -x "$root/scripts/test-windows.sh" ]; then
  stage "Windows build under Wine"
  "$root/scripts/test-windows.sh" || failed+=("windows")
fi

[ ${#failed[@]} -eq 0 ] || echo "Failed stages: ${failed[*]}"
echo "stages: $((ran - ${#failed[@]})) passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
