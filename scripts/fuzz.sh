#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while.
# Usage: scripts/fuzz.sh [seconds per target, default 10] [target ...]
# Crashes are kept in build-fuzz/crashes/<target>/; every crash found becomes
# a regression test under tests/. Each target starts from fuzz/seeds/<target>
# and, where there is one, uses the dictionary fuzz/<target>.dict.
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
# The WebCache target patches the real sample when the samples are there.
sample="$root/tests/samples/WebCacheV01_dirty.dat.gz"
if [ -f "$sample" ] && [ ! -f "$out/WebCacheV01.dat" ]; then
  gzip -dc "$sample" >"$out/WebCacheV01.dat.tmp" && mv "$out/WebCacheV01.dat.tmp" "$out/WebCacheV01.dat"
fi
[ -f "$out/WebCacheV01.dat" ] && export VT_WEBCACHE_SAMPLE="$out/WebCacheV01.dat"
# Stores and databases written for every input go to memory where there is
# a memory file system.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  VT_FUZZ_TMP="$(mktemp -d /dev/shm/vt_fuzz.XXXXXX)"
else
  VT_FUZZ_TMP="$(mktemp -d)"
fi
export VT_FUZZ_TMP
trap 'rm -rf "$VT_FUZZ_TMP"' EXIT
pass=0; fail=0
for t in "${targets[@]}"; do
  corpus="$out/corpus/$t"; crashes="$out/crashes/$t"
  mkdir -p "$corpus" "$crashes"
  [ -d "$root/fuzz/seeds/$t" ] && cp -n "$root/fuzz/seeds/$t"/* "$corpus"/ 2>/dev/null || true
  opts=()
  [ -f "$root/fuzz/$t.dict" ] && opts+=("-dict=$root/fuzz/$t.dict")
  case "$t" in
    # Whole stores: a store past the memory bound, or a read that outlives
    # its time limit by far, fails.
    fuzz_stores) opts+=(-max_len=65536 -rss_limit_mb=1024 -malloc_limit_mb=512 -timeout=20) ;;
    # The page path against the engine on the same store: a difference, or
    # memory past the bound, fails.
    fuzz_pages) opts+=(-max_len=65536 -rss_limit_mb=1024 -malloc_limit_mb=512 -timeout=60) ;;
    fuzz_webcachefile) opts+=(-max_len=4096 -rss_limit_mb=1024 -timeout=30) ;;
    fuzz_reports) opts+=(-max_len=8192) ;;
  esac
  log="$out/$t.log"
  if "$out/fuzz/$t" "$corpus" "${opts[@]}" -max_total_time="$secs" -artifact_prefix="$crashes/" \
       -print_final_stats=1 >"$log" 2>&1; then
    execs=$(grep -aE 'stat::number_of_executed_units' "$log" | awk '{print $2}')
    cov=$(grep -aE '^#[0-9]+.*(DONE|cov:)' "$log" | tail -n 1 | grep -oE 'cov: [0-9]+' || true)
    echo "fuzz $t: ok, ${execs:-?} executions in ${secs}s${cov:+, $cov}"
    pass=$((pass+1))
  else
    echo "fuzz $t: FAILED (see $log)"; tail -n 30 "$log"
    fail=$((fail+1))
  fi
done
echo "fuzz: $pass passed, $fail failed"
[ "$fail" -eq 0 ]
