#!/usr/bin/env bash
# Loads every .jsonl export of a folder into the fleet tables (tables.sql on
# one server, or cluster.sql's tables on a cluster):
#
#   fleet/load.sh [-j N] <folder> [clickhouse-client options]
#   fleet/load.sh -j 4 /srv/visitrail --host ch1 --database visitrail
#
# Each line goes to the table of its kind (visits, downloads, sources). A
# file is read once: one awk pass splits its lines into three pipes, each
# feeding its own INSERT. -j N loads N files side by side (default: the
# number of cores).
#
# Loading a file again, or an export whose window overlaps one already
# loaded, adds no record twice: the tables keep one row per record key. A
# load that stopped half way is therefore simply run again.
#
# A damaged export costs only its damaged lines. A machine that stops while
# writing leaves its last line cut short; such lines are skipped, counted
# and named (file and line number). A line is taken when it starts with a
# kind and ends where its last string ends, as Visitrail writes every
# record; damage inside a line is left to the server, and when the server
# refuses a file, the file is read once more with every line checked as a
# whole JSON record. A file that still cannot be loaded is named, and the
# other files load all the same.
#
# Exit status: 0 every file loaded whole, 3 some broken lines were skipped,
# 4 at least one file could not be loaded (1 no .jsonl files, 2 usage). The
# last line says how many files and lines failed.
# CLICKHOUSE_CLIENT names the client program (default clickhouse-client).
set -uo pipefail

usage() {
  echo "usage: $0 [-j N] <folder of .jsonl files> [clickhouse-client options]" >&2
  exit 2
}
jobs="$(nproc 2>/dev/null || echo 1)"
while [ $# -gt 0 ]; do
  case "$1" in
    -j) [ $# -ge 2 ] || usage; jobs="$2"; shift 2 ;;
    -j*) jobs="${1#-j}"; shift ;;
    *) break ;;
  esac
done
[[ "$jobs" =~ ^[1-9][0-9]*$ ]] || usage
if [ $# -lt 1 ] || [ ! -d "$1" ]; then
  usage
fi
dir="$1"
shift
# Unknown keys ("kind", and any a newer Visitrail adds) are passed over; on a
# cluster the insert returns once every shard has its rows.
client=("${CLICKHOUSE_CLIENT:-clickhouse-client}" "$@" --input_format_skip_unknown_fields=1
        --insert_distributed_sync=1)
shopt -s nullglob
files=("$dir"/*.jsonl)
if [ ${#files[@]} -eq 0 ]; then
  echo "no .jsonl files in $dir" >&2
  exit 1
fi
kinds=(visit download source)
tmp="$(mktemp -d "${TMPDIR:-/tmp}/vt_load.XXXXXX")" || exit 1
trap 'rm -rf "$tmp"' EXIT

# The split: writes each line to the pipe of its kind and prints the counts
# "visits downloads sources broken other-kinds". strict=0 checks a line's
# two ends only: a cut line always ends inside a value, and the last value
# of every record is a string, so a whole line ends in an unescaped quote
# and the brace. strict=1 also checks that the line is one flat JSON object
# whose numeric fields hold numbers (what the server would refuse).
split='
function whole(s,   n, i) {
  n = length(s)
  if (substr(s, n - 1) != "\"}") return 0
  for (i = n - 2; i > 0 && substr(s, i, 1) == "\\"; i--) ;
  if ((n - 2 - i) % 2) return 0
  return !strict || (s ~ object && s !~ wrongtype)
}
function broken() {
  if (++bad <= 5) printf "%s: line %d is broken, skipped\n", name, NR > "/dev/stderr"
}
BEGIN {
  # Every pipe is opened (so that every INSERT starts) even for a kind the
  # file does not hold.
  out["visit"] = dir "/visit"; out["download"] = dir "/download"; out["source"] = dir "/source"
  for (k in out) printf "" > out[k]
  str = "\"([^\"\\\\]|\\\\[\"\\\\/bfnrt]|\\\\u[0-9a-fA-F][0-9a-fA-F][0-9a-fA-F][0-9a-fA-F])*\""
  value = "(" str "|-?[0-9]+(\\.[0-9]+)?([eE][-+]?[0-9]+)?|true|false|null)"
  object = "^\\{\"kind\":" str "(,\"[A-Za-z_0-9]+\":" value ")*\\}$"
  wrongtype = "[{,]\"(ts|seq|utc_offset|bytes|ok|count)\":[^-0-9]|[{,]\"(seq|ok)\":-"
}
{
  s = $0
  if (NR == 1 && substr(s, 1, 3) == "\357\273\277") s = substr(s, 4)
  if (substr(s, length(s)) == "\r") s = substr(s, 1, length(s) - 1)
  if (substr(s, 1, 16) == "{\"kind\":\"visit\",") k = "visit"
  else if (substr(s, 1, 17) == "{\"kind\":\"source\",") k = "source"
  else if (substr(s, 1, 19) == "{\"kind\":\"download\",") k = "download"
  else if (substr(s, 1, 9) == "{\"kind\":\"" && whole(s)) { other++; next }
  else { broken(); next }
  if (!whole(s)) { broken(); next }
  print s > out[k]
  sent[k]++
}
END { printf "%d %d %d %d %d\n", sent["visit"], sent["download"], sent["source"], bad, other }
'

# Reads file $1 once, split into the three INSERTs (working folder $2,
# strictness $3); leaves the counts in $2/counts and, on failure, the
# client's first error line in $2/error.
insert_file() {
  local f="$1" d="$2" strict="$3" k i rc counts=() pids=()
  rm -rf "$d" && mkdir "$d" || return 1
  for k in "${kinds[@]}"; do
    mkfifo "$d/$k" || return 1
    "${client[@]}" --query "INSERT INTO ${k}s FORMAT JSONEachRow" <"$d/$k" >/dev/null 2>"$d/$k.err" &
    pids+=($!)
  done
  awk -v name="$f" -v strict="$strict" -v dir="$d" "$split" "$f" >"$d/counts" 2>"$d/broken"
  rc=$?
  # awk's own failure (the file cannot be read) says more than the clients'.
  [ "$rc" -eq 0 ] || tail -n 1 "$d/broken" >"$d/error"
  read -r -a counts <"$d/counts"
  for i in 0 1 2; do
    wait "${pids[$i]}"
    k=$?
    # An INSERT given no rows is refused (No data to insert); for a kind the
    # file does not hold that is no failure.
    if [ "$k" -ne 0 ] && ! { [ "$k" -eq 108 ] && [ "${counts[$i]:-1}" = 0 ]; }; then
      [ -s "$d/error" ] || head -n 1 "$d/${kinds[$i]}.err" >"$d/error"
      rc=1
    fi
  done
  return "$rc"
}

# Loads file $1 (working folder $2) and writes "loaded|failed records
# broken-lines" to $2.result.
load_file() {
  local f="$1" d="$2" c=()
  if ! insert_file "$f" "$d" 0 && ! insert_file "$f" "$d" 1; then
    echo "failed: $f: $(cat "$d/error" 2>/dev/null)" >&2
    echo "failed 0 0" >"$d.result"
    return
  fi
  read -r -a c <"$d/counts"
  cat "$d/broken" >&2
  [ "${c[3]}" -le 5 ] || echo "$f: ${c[3]} broken lines in all" >&2
  echo "loaded: $f (${c[0]} visits, ${c[1]} downloads, ${c[2]} sources$(
    [ "${c[3]}" -eq 0 ] || echo ", ${c[3]} broken lines skipped")$(
    [ "${c[4]}" -eq 0 ] || echo ", ${c[4]} lines of other kinds passed over"))"
  echo "loaded $((c[0] + c[1] + c[2])) ${c[3]}" >"$d.result"
}

running=0
for i in "${!files[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
  load_file "${files[$i]}" "$tmp/$i" &
  running=$((running + 1))
done
wait

failed=0 records=0 broken=0
for i in "${!files[@]}"; do
  read -r state n b 2>/dev/null <"$tmp/$i.result" || state=failed
  [ "$state" = loaded ] || failed=$((failed + 1))
  records=$((records + ${n:-0}))
  broken=$((broken + ${b:-0}))
done
echo "${#files[@]} files: $((${#files[@]} - failed)) loaded, $failed failed;" \
  "$records records, $broken broken lines skipped"
if [ "$failed" -gt 0 ]; then
  exit 4
elif [ "$broken" -gt 0 ]; then
  exit 3
fi
