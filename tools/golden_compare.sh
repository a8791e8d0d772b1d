#!/usr/bin/env bash
# Byte-for-byte comparison of two Visitrail builds on the same inputs: a
# generated multi-browser user folder (Chrome with three profiles, Edge,
# Firefox in WAL mode), the real stores of tests/samples (Chrome, Firefox,
# WebCache) and, with --big, the million-visit profile of tools/benchmark.sh.
# Each case's report, standard output and exit code are compared with the
# report's "generated" time and the run's temporary paths masked.
#
#   tools/golden_compare.sh <reference Visitrail> <candidate Visitrail> [--big]
#
# The reference's outputs are kept under build-bench/golden/ref-<hash of the
# reference binary>, so comparing again against the same reference only runs
# the candidate. Needs a built gen_profile (GEN_PROFILE, or found in a build
# folder of the tree).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
ref="$(readlink -f "$1")"
cand="$(readlink -f "$2")"
big="${3:-}"
cache="$root/build-bench"
mkdir -p "$cache/golden"

gen="${GEN_PROFILE:-}"
if [ -z "$gen" ]; then
  for d in "$(dirname "$cand")" "$root"/build-bench/build "$root"/build "$root"/build-*; do
    if [ -x "$d/tools/gen_profile" ]; then gen="$d/tools/gen_profile"; break; fi
  done
fi
[ -x "$gen" ] || { echo "gen_profile not found (set GEN_PROFILE)" >&2; exit 1; }

# Inputs, made once.
multi="$cache/golden/in/multi"
if [ ! -d "$multi/AppData" ]; then
  "$gen" "$multi" --visits 200000 --urls 30000 --seed 7 >/dev/null
fi
samples="$root/tests/samples"
real="$cache/golden/in/real"
if [ -d "$samples" ] && [ ! -d "$real/AppData" ]; then
  mkdir -p "$real/AppData/Local/Google/Chrome/User Data/Default" \
           "$real/AppData/Local/Google/Chrome/User Data/Profile 1" \
           "$real/AppData/Roaming/Mozilla/Firefox/Profiles/abc.default" \
           "$real/AppData/Local/Microsoft/Windows/WebCache"
  cp "$samples/chrome_History" "$real/AppData/Local/Google/Chrome/User Data/Default/History"
  cp "$samples/chrome_History_v59" "$real/AppData/Local/Google/Chrome/User Data/Profile 1/History"
  cp "$samples/firefox_places.sqlite" "$real/AppData/Roaming/Mozilla/Firefox/Profiles/abc.default/places.sqlite"
  gunzip -c "$samples/WebCacheV01_dirty.dat.gz" > "$real/AppData/Local/Microsoft/Windows/WebCache/WebCacheV01.dat"
fi
million="$cache/profile-1m/bench"
if [ "$big" = --big ] && [ ! -d "$million/AppData" ]; then
  "$gen" "$million" --visits 1000000 --urls 200000 --only chrome/Default >/dev/null
fi

# One case: name, user folder, report file extension (or "-" for standard
# output), then the options.
run_case() {
  local exe="$1" out="$2" name="$3" home="$4" ext="$5"
  shift 5
  local args=("$@") dest=""
  if [ "$ext" != - ]; then dest="$out/$name.$ext"; args+=("/out:$dest"); fi
  local rc=0
  TZ=Asia/Shanghai USERPROFILE="$home" USERNAME=golden "$exe" "${args[@]}" >"$out/$name.stdout" 2>&1 || rc=$?
  echo "$rc" >"$out/$name.rc"
  for f in "$out/$name.stdout" ${dest:+"$dest"}; do
    [ -f "$f" ] || continue
    # Report time stamps, and the output folder in the result lines.
    sed -i -E -e 's/"generated":"[0-9: -]+"/"generated":"<masked>"/g' \
              -e 's/"run":"[0-9_TZ-]+"/"run":"<masked>"/g' -e 's/_[0-9]{8}_[0-9]{6}\.jsonl/_<stamp>.jsonl/g' \
              -e "s#$out/##g" -e 's/_Report_[0-9_]+\./_Report_<stamp>./g' "$f"
  done
}

run_all() {
  local exe="$1" out="$2"
  mkdir -p "$out"
  run_case "$exe" "$out" multi-json "$multi" json /src:all /format:json
  run_case "$exe" "$out" multi-html "$multi" html /src:all
  run_case "$exe" "$out" multi-stdout-json "$multi" - /format:json
  run_case "$exe" "$out" multi-stdout-html "$multi" -
  run_case "$exe" "$out" multi-limit "$multi" json /format:json /limit:1000
  run_case "$exe" "$out" multi-limit-html "$multi" html /limit:777
  run_case "$exe" "$out" multi-window "$multi" json /format:json /from:2026-01-01 /to:2026-03-31
  run_case "$exe" "$out" multi-window-chrome "$multi" json /src:chrome /format:json /from:2025-12-30 /to:2025-12-30
  run_case "$exe" "$out" multi-filter "$multi" json /format:json /include:github /include:报 /exclude:*.baidu.com /privacy
  run_case "$exe" "$out" multi-privacy-html "$multi" html /privacy /title:'A & <b>__DATA__</b>'
  run_case "$exe" "$out" multi-list "$multi" - /list /src:all
  run_case "$exe" "$out" multi-list-json "$multi" - /list /format:json
  run_case "$exe" "$out" multi-empty "$multi" json /format:json /from:2030-01-01
  run_case "$exe" "$out" multi-csv "$multi" csv /src:all /format:csv
  run_case "$exe" "$out" multi-limit-csv "$multi" csv /format:csv /limit:999
  run_case "$exe" "$out" multi-jsonl "$multi" jsonl /src:all /format:jsonl /machine:golden
  run_case "$exe" "$out" multi-stdout-jsonl "$multi" - /format:jsonl /machine:golden /from:2026-01-01
  if [ -d "$real/AppData" ]; then
    run_case "$exe" "$out" real-json "$real" json /src:all /format:json
    run_case "$exe" "$out" real-html "$real" html /src:all
    run_case "$exe" "$out" real-list "$real" - /list /src:all
    run_case "$exe" "$out" real-window "$real" json /format:json /from:2011-05-01 /to:2011-05-31
  fi
  if [ "$big" = --big ]; then
    run_case "$exe" "$out" million-json "$million" json /src:chrome /format:json
    run_case "$exe" "$out" million-html "$million" html /src:chrome
    run_case "$exe" "$out" million-csv "$million" csv /src:chrome /format:csv
    run_case "$exe" "$out" million-jsonl "$million" jsonl /src:chrome /format:jsonl /machine:golden
  fi
}

# Keyed by the reference binary and by this script (its cases).
refout="$cache/golden/ref-$(cat "$ref" "$0" | sha256sum | cut -c1-16)"
if [ ! -f "$refout/.done$big" ]; then
  rm -rf "$refout"
  run_all "$ref" "$refout"
  touch "$refout/.done$big"
fi
candout="$cache/golden/candidate"
rm -rf "$candout"
run_all "$cand" "$candout"

same=0 differ=0
for f in "$refout"/*; do
  n="$(basename "$f")"
  if cmp -s "$f" "$candout/$n"; then
    same=$((same + 1))
  else
    differ=$((differ + 1))
    echo "DIFFERS: $n" >&2
  fi
done
echo "golden: $same passed, $differ failed"
[ "$differ" = 0 ]
