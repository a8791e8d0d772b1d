#!/usr/bin/env bash
# What probing the Unix home locations (~/.config/…, ~/.mozilla/…, snap and
# flatpak folders) costs a run over many users: `/user:all /list` over N user
# folders, each holding one Chrome profile and a Firefox profile, timed for
# the binary under test and for a reference binary that does not probe them
# (for example the build before they were added). Both read exactly the same
# stores, so the difference is the probing. Accounts are simulated as
# Windows user folders side by side (USERPROFILE names the first; its
# siblings are the other users): creating real accounts on the machine is no
# business of a benchmark.
#
#   tools/bench_users.sh [--users N] [--runs N] [--ref BINARY]
#
# The binary under test is build/Visitrail unless VT_EXE names another.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
users=50 runs=9 ref="${VT_REF:-/work/ref/Visitrail}"
while [ $# -gt 0 ]; do
  case "$1" in
    --users) users="$2"; shift 2 ;;
    --runs) runs="$2"; shift 2 ;;
    --ref) ref="$2"; shift 2 ;;
    *) echo "usage: $0 [--users N] [--runs N] [--ref BINARY]" >&2; exit 1 ;;
  esac
done
exe="${VT_EXE:-$root/build/Visitrail}"
gen="$root/build/tools/gen_profile"
command -v /usr/bin/time >/dev/null || { echo "/usr/bin/time is missing: run scripts/deps.sh test" >&2; exit 1; }
for f in "$exe" "$gen"; do
  [ -x "$f" ] || { echo "$f is missing: build the project first (cmake --build build)" >&2; exit 1; }
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
"$gen" "$tmp/template" --visits 2000 --urls 500 >/dev/null
for i in $(seq -w 1 "$users"); do
  mkdir -p "$tmp/users/user$i"
  cp -r "$tmp/template/AppData" "$tmp/users/user$i/"
done

# one_run BINARY: "wall_ms cpu_ms" of one run (cpu = user + system, which a
# busy machine disturbs far less than the wall time).
one_run() {
  env -u XDG_CONFIG_HOME USERPROFILE="$tmp/users/user01" TMPDIR="$tmp" \
    /usr/bin/time -f '%e %U %S' -o "$tmp/time.txt" \
    "$1" /user:all /list "/out:$tmp/unused.html" >"$tmp/list.txt"
  awk '{ printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000 }' "$tmp/time.txt"
}
# median FILE COLUMN
median() { cut -d' ' -f"$2" "$1" | sort -n | sed -n "$(( (runs + 1) / 2 ))p"; }

echo "users: $users user folders (USERPROFILE siblings), $runs runs each"
[ -x "$ref" ] || { echo "no reference binary at $ref (--ref BINARY)"; ref=""; }
# The two binaries take turns, so that a busy moment of the machine falls on
# both alike.
: >"$tmp/new.ms"
: >"$tmp/ref.ms"
for _ in $(seq "$runs"); do
  one_run "$exe" >>"$tmp/new.ms"
  sources=$(grep -c '已采集' "$tmp/list.txt" || true)
  if [ -n "$ref" ]; then
    one_run "$ref" >>"$tmp/ref.ms"
    ref_sources=$(grep -c '已采集' "$tmp/list.txt" || true)
  fi
done
echo "Visitrail under test ($exe): $(median "$tmp/new.ms" 1) ms wall," \
  "$(median "$tmp/new.ms" 2) ms CPU (medians), $sources sources read"
if [ -n "$ref" ]; then
  echo "reference ($ref): $(median "$tmp/ref.ms" 1) ms wall," \
    "$(median "$tmp/ref.ms" 2) ms CPU (medians), $ref_sources sources read"
  echo "difference: $(( $(median "$tmp/new.ms" 1) - $(median "$tmp/ref.ms" 1) )) ms wall," \
    "$(( $(median "$tmp/new.ms" 2) - $(median "$tmp/ref.ms" 2) )) ms CPU over $users users"
fi
