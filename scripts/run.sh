#!/usr/bin/env bash
# Builds Visitrail (installing what it needs) and runs it with the options given.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh" build
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DVT_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build" --target Visitrail -j"$(nproc)" >/dev/null
exec "$root/build/Visitrail" "$@"
