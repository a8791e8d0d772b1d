#!/usr/bin/env bash
# Speed and memory on a large history, side by side with the floor that any
# reader of the store pays:
#   (a) floor: copy the History file and have the sqlite3 shell print the
#       history query's rows (to /dev/null);
#   (b) Visitrail writing the JSON report of the same store;
#   (c) Visitrail writing the HTML report, (d) the CSV report and (e) the
#       JSONL export;
# each the median of several runs, the cases taking turns, with the largest
# peak resident memory.
# Then the report page with 1,000,000 visits in headless Chromium (first
# render and keystrokes; tools/bench_page.js), when chromium and tests/page's
# node_modules are there. The machine's load is printed with the figures:
# on a shared machine, compare only figures taken in the same run.
#
#   tools/benchmark.sh [--runs N] [--visits N] [--urls N] [--no-page] [--tmpfs]
#
# --tmpfs puts every copy and report of the run (the floor's and
# Visitrail's) in a folder under /dev/shm: the disk's write-back then no
# longer adds its own noise to the figures.
#
# The profile (Chrome, one profile, 1,000,000 visits over 200,000 addresses
# by default) is generated once into build-bench/ and reused. The program is
# built (Release) into build-bench/build unless VT_EXE names a binary to
# measure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cache="$root/build-bench"
runs=5 visits=1000000 urls=200000 page=1 tmpfs=0
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --visits) visits="$2"; shift 2 ;;
    --urls) urls="$2"; shift 2 ;;
    --no-page) page=0; shift ;;
    --tmpfs) tmpfs=1; shift ;;
    *) echo "usage: $0 [--runs N] [--visits N] [--urls N] [--no-page] [--tmpfs]" >&2; exit 1 ;;
  esac
done

for tool in /usr/bin/time sqlite3; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/deps.sh test" >&2; exit 1; }
done

build="$cache/build"
exe="${VT_EXE:-}"
if [ -z "$exe" ] || [ ! -x "$build/tools/gen_profile" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVT_BUILD_TESTS=ON >/dev/null
  cmake --build "$build" --target Visitrail gen_profile -j"$(nproc)" >/dev/null
fi
exe="${exe:-$build/Visitrail}"

profile="$cache/profile"
[ "$visits" = 1000000 ] && [ "$urls" = 200000 ] && profile="$cache/profile-1m" ||
  profile="$cache/profile-${visits}-${urls}"
home="$profile/bench"
history="$home/AppData/Local/Google/Chrome/User Data/Default/History"
if [ ! -f "$history" ]; then
  echo "generating $visits visits over $urls addresses into $profile ..."
  rm -rf "$profile"
  "$build/tools/gen_profile" "$home" --visits "$visits" --urls "$urls" --only chrome/Default >/dev/null
fi

if [ "$tmpfs" = 1 ]; then tmp="$(mktemp -d -p /dev/shm)"; else tmp="$(mktemp -d)"; fi
trap 'rm -rf "$tmp"' EXIT
query='SELECT u.url, u.title, v.visit_time, u.visit_count FROM visits v JOIN urls u ON u.id = v.url ORDER BY v.visit_time DESC'

# once NAME COMMAND...: runs it once, adding "ms peak_kb cpu_ms" to
# $tmp/NAME.runs (CPU: user + system time, the fairer figure when other work
# shares the machine).
once() {
  local name="$1" t0 t1
  shift
  t0=$(date +%s%N)
  /usr/bin/time -f "%M %U %S" -o "$tmp/$name.mem" "$@" >/dev/null 2>"$tmp/$name.err" || {
    echo "$name failed:" >&2
    cat "$tmp/$name.err" >&2
    exit 1
  }
  t1=$(date +%s%N)
  echo "$(( (t1 - t0) / 1000000 )) $(tail -n1 "$tmp/$name.mem" |
    awk '{ printf "%d %d", $1, ($2 + $3) * 1000 }')" >>"$tmp/$name.runs"
}

# summary NAME: leaves "median_ms peak_kb median_cpu_ms" in $tmp/NAME.
summary() {
  local name="$1" ms kb cpu
  ms=$(cut -d' ' -f1 "$tmp/$name.runs" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
  kb=$(cut -d' ' -f2 "$tmp/$name.runs" | sort -n | tail -n1)
  cpu=$(cut -d' ' -f3 "$tmp/$name.runs" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
  echo "$ms $kb $cpu" >"$tmp/$name"
}

floor() {
  cp "$history" "$tmp/floor.db"
  sqlite3 "$tmp/floor.db" "$query" >/dev/null
  rm -f "$tmp/floor.db"
}
export -f floor
export history query tmp

# report FORMAT EXTENSION [OPTION...]: one run of Visitrail writing the
# report; its size is kept in $tmp/FORMAT.mb and the file removed, so that
# the next run does not pay for replacing it.
report() {
  local format="$1" ext="$2"
  shift 2
  once "$format" env USERPROFILE="$home" TMPDIR="$tmp" "$exe" /src:chrome "/format:$format" "$@" \
    "/out:$tmp/r.$ext"
  echo $(( $(stat -c %s "$tmp/r.$ext") / 1048576 )) >"$tmp/$format.mb"
  rm -f "$tmp/r.$ext"
}

echo "Visitrail: $exe"
echo "store: $visits visits, $urls addresses ($(du -m "$history" | cut -f1) MB); $runs runs each"
# The cases take turns, run after run: this machine's speed drifts over a
# minute, and a case measured in a block of its own would carry that drift
# into its ratio to the others.
for _ in $(seq "$runs"); do
  once floor bash -c floor
  report json json
  report html html
  report csv csv
  report jsonl jsonl /machine:bench
done
for name in floor json html csv jsonl; do summary "$name"; done
json_mb=$(cat "$tmp/json.mb") html_mb=$(cat "$tmp/html.mb") csv_mb=$(cat "$tmp/csv.mb")
jsonl_mb=$(cat "$tmp/jsonl.mb")

read -r a_ms a_kb a_cpu <"$tmp/floor"
read -r b_ms b_kb b_cpu <"$tmp/json"
read -r c_ms c_kb c_cpu <"$tmp/html"
read -r d_ms d_kb d_cpu <"$tmp/csv"
read -r e_ms e_kb e_cpu <"$tmp/jsonl"
ratio() { awk -v x="$1" -v y="$2" 'BEGIN { printf "%.2f", x / y }'; }
printf '\n%-44s %10s %10s %12s\n' "" "median" "CPU" "peak memory"
printf '%-44s %8d ms %7d ms %9d MB\n' "(a) floor: copy + sqlite3 shell query" "$a_ms" "$a_cpu" $((a_kb / 1024))
printf '%-44s %8d ms %7d ms %9d MB\n' "(b) Visitrail JSON report ($json_mb MB)" "$b_ms" "$b_cpu" $((b_kb / 1024))
printf '%-44s %8d ms %7d ms %9d MB\n' "(c) Visitrail HTML report ($html_mb MB)" "$c_ms" "$c_cpu" $((c_kb / 1024))
printf '%-44s %8d ms %7d ms %9d MB\n' "(d) Visitrail CSV report ($csv_mb MB)" "$d_ms" "$d_cpu" $((d_kb / 1024))
printf '%-44s %8d ms %7d ms %9d MB\n' "(e) Visitrail JSONL export ($jsonl_mb MB)" "$e_ms" "$e_cpu" $((e_kb / 1024))
echo
echo "b/a = $(ratio "$b_ms" "$a_ms"), in CPU time $(ratio "$b_cpu" "$a_cpu")   (target <= 0.25)"
echo "c/b = $(ratio "$c_ms" "$b_ms"), d/b = $(ratio "$d_ms" "$b_ms")   (target <= 1.10 each)"
echo "e/b = $(ratio "$e_ms" "$b_ms"), in CPU time $(ratio "$e_cpu" "$b_cpu")   (target <= 1.00)"
echo "processors: $(nproc); copies and reports in $tmp"
echo "peak memory: JSON $((b_kb / 1024)) MB, HTML $((c_kb / 1024)) MB, CSV $((d_kb / 1024)) MB   (target <= 150 MB)"
echo "load average during the run: $(cut -d' ' -f1-3 /proc/loadavg)"

if [ "$page" = 1 ]; then
  echo
  if command -v chromium >/dev/null && [ -d "$root/tests/page/node_modules" ] && command -v node >/dev/null; then
    echo "report page, 1,000,000 visits, headless Chromium (targets: first table page within 3 s, keystroke within 50 ms):"
    node "$root/tools/bench_page.js" 1000000 || echo "page benchmark failed" >&2
  else
    echo "report page: skipped (needs chromium, node and tests/page/node_modules)"
  fi
fi
