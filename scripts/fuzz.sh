#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while.
# Usage: scripts/fuzz.sh [seconds per target, default 10] [target ...]
# Crashes are kept in build-fuzz/crashes/<target>/; every crash found becomes
# a regression test under tests/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
secs="${1:-10}"; shift || true
"$root/scripts/deps.sh" fuzz
out="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVT_FUZZ=ON >/dev/null
cmake --build "$out" -j"$(nproc)" >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in "$root"/fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi
pass=0; fail=0
for t in "${targets[@]}"; do
  corpus="$out/corpus/$t"; crashes="$out/crashes/$t"
  mkdir -p "$corpus" "$crashes"
  [ -d "$root/fuzz/seeds/$t" ] && cp -n "$root/fuzz/seeds/$t"/* "$corpus"/ 2>/dev/null || true
  log="$out/$t.log"
  if "$out/fuzz/$t" "$corpus" -max_total_time="$secs" -artifact_prefix="$crashes/" \
       -print_final_stats=1 >"$log" 2>&1; then
    execs=$(grep -aE 'stat::number_of_executed_units' "$log" | awk '{print $2}')
    echo "fuzz $t: ok, ${execs:-?} executions in ${secs}s"
    pass=$((pass+1))
  else
    echo "fuzz $t: FAILED (see $log)"; tail -n 30 "$log"
    fail=$((fail+1))
  fi
done
echo "fuzz: $pass passed, $fail failed"
[ "$fail" -eq 0 ]
