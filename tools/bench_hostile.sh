#!/usr/bin/env bash
# Peak memory and time of a run over hostile Chrome stores, against their
# bounds: a store holding a 200 MB title, one holding a 200 MB address and
# one with 200 titles of 1.9 MB each (each beside ordinary visits) must cost
# what the report keeps of them,
# under 300 MB of peak resident memory for the whole run; a store whose
# visits are an endless view must end at once.
#
#   tools/bench_hostile.sh [--mb N]
#
# The stores are generated once into build-bench/hostile/ and reused. The
# program is built (Release) into build-bench/build unless VT_EXE names a
# binary to measure. Exit status 1 when a bound is missed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cache="$root/build-bench"
mb=200 bound_kb=$((300 * 1024))
while [ $# -gt 0 ]; do
  case "$1" in
    --mb) mb="$2"; shift 2 ;;
    *) echo "usage: $0 [--mb N]" >&2; exit 1 ;;
  esac
done
for tool in /usr/bin/time sqlite3; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/deps.sh test" >&2; exit 1; }
done

# A VT_EXE with gen_profile built beside it (a build folder's tools/) uses
# that generator too.
build="$cache/build"
exe="${VT_EXE:-}"
gen="${exe:+$(dirname "$exe")/tools/gen_profile}"
if [ -z "$exe" ] || [ ! -x "$gen" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVT_BUILD_TESTS=ON >/dev/null
  cmake --build "$build" --target Visitrail gen_profile -j"$(nproc)" >/dev/null
  gen="$build/tools/gen_profile"
fi
exe="${exe:-$build/Visitrail}"

base="$cache/hostile-$mb"
chrome() { echo "$base/$1/AppData/Local/Google/Chrome/User Data/Default/History"; }
if [ ! -f "$base/done" ]; then
  echo "generating hostile stores ($mb MB values) into $base ..."
  rm -rf "$base"
  bytes=$((mb * 1000 * 1000))
  for who in title url titles view; do
    "$gen" "$base/$who" --visits 2000 --urls 500 --only chrome/Default >/dev/null
  done
  # Text values written by the engine itself, as a hostile writer would.
  sqlite3 "$(chrome title)" "UPDATE urls SET title = printf('%.*c', $bytes, 'T') WHERE id = 7;"
  sqlite3 "$(chrome url)" "UPDATE urls SET url = 'https://huge.example/' || printf('%.*c', $bytes, 'u') WHERE id = 7;"
  sqlite3 "$(chrome titles)" "UPDATE urls SET title = printf('%.*c', 1900000, 't') WHERE id <= 200;"
  sqlite3 "$(chrome view)" "DROP TABLE visits; CREATE VIEW visits AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT x AS id, 1 AS url, x AS visit_time FROM c;"
  touch "$base/done"
fi

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
failed=0
for who in title url titles view; do
  t0=$(date +%s%N)
  USERPROFILE="$base/$who" USERNAME=bench TMPDIR="$tmp" /usr/bin/time -v -o "$tmp/time" \
    "$exe" /src:chrome /format:json /out:"$tmp/report.json" >"$tmp/out" 2>&1 || true
  t1=$(date +%s%N)
  kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$tmp/time")
  ms=$(( (t1 - t0) / 1000000 ))
  # The store's own line of the source table says how it ended.
  state=$(awk '/^Google Chrome/ {print $4, $5} /└/ {sub(/.*└ /, ""); print}' "$tmp/out" | paste -sd' ' || true)
  printf '%-6s %6d ms  peak %6d KB  %s\n' "$who" "$ms" "$kb" "${state:-(no report)}"
  if [ "$kb" -ge "$bound_kb" ]; then echo "  over the bound of $bound_kb KB"; failed=1; fi
  rm -f "$tmp/report.json"
done
exit "$failed"
