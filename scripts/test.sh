#!/usr/bin/env bash
# Builds Visitrail and every test (installing what they need) and runs them all.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh" test
# playwright-core for the report page checks in Chromium (they skip without it).
if command -v npm >/dev/null && [ ! -d "$root/tests/page/node_modules/playwright-core" ]; then
  (cd "$root/tests/page" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error) ||
    echo "warning: npm ci in tests/page failed; the report page checks will be skipped" >&2
fi
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DVT_BUILD_TESTS=ON
cmake --build "$root/build" -j"$(nproc)"
cd "$root/build"
ctest --output-on-failure -j"$(nproc)"
