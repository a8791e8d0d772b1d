#!/usr/bin/env bash
# What reading the history tables from the snapshot's pages saves: the
# collection of a 1,000,000-visit Chrome profile (200,000 addresses) timed
# with page reading and through SQLite alone (bench_collect --engine), the
# two taking turns run after run, then the median of each and the saving.
#
#   tools/bench_pages.sh [--runs N] [--visits N] [--urls N]
#
# The profile is generated once into build-bench/ (as tools/benchmark.sh
# does) and reused; the tools are built (Release) into build-bench/build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cache="$root/build-bench"
runs=5 visits=1000000 urls=200000
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --visits) visits="$2"; shift 2 ;;
    --urls) urls="$2"; shift 2 ;;
    *) echo "usage: $0 [--runs N] [--visits N] [--urls N]" >&2; exit 1 ;;
  esac
done

build="$cache/build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVT_BUILD_TESTS=ON >/dev/null
cmake --build "$build" --target gen_profile bench_collect -j"$(nproc)" >/dev/null
profile="$cache/profile-${visits}-${urls}"
[ "$visits" = 1000000 ] && [ "$urls" = 200000 ] && profile="$cache/profile-1m"
home="$profile/bench"
if [ ! -f "$home/AppData/Local/Google/Chrome/User Data/Default/History" ]; then
  echo "generating $visits visits over $urls addresses into $profile ..."
  rm -rf "$profile"
  "$build/tools/gen_profile" "$home" --visits "$visits" --urls "$urls" --only chrome/Default >/dev/null
fi

# One collection; prints its seconds.
once() { "$build/tools/bench_collect" "$home" --src chrome --repeat 1 "$@" | awk '/^run 1:/ {print $(NF-1)}'; }
pages=() engine=()
for ((i = 0; i < runs; i++)); do
  pages+=("$(once)")
  engine+=("$(once --engine)")
done
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
p=$(median "${pages[@]}") e=$(median "${engine[@]}")
echo "pages:  ${pages[*]} s, median $p s"
echo "engine: ${engine[*]} s, median $e s"
awk -v p="$p" -v e="$e" -v n="$visits" -v r="$runs" \
  'BEGIN {printf "reading from pages saves %.2f s of %.2f s at %d visits (median of %d)\n", e - p, e, n, r}'
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
