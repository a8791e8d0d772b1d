#!/usr/bin/env bash
# Loads every .jsonl export of a folder into the fleet tables (tables.sql on
# one server, or cluster.sql's tables on a cluster):
#
#   fleet/load.sh <folder> [clickhouse-client options]
#   fleet/load.sh /srv/visitrail --host ch1 --database visitrail
#
# Each line goes to the table of its kind (visits, downloads, sources).
# Loading a file again, or an export whose window overlaps one already
# loaded, adds no record twice: the tables keep one row per record key. A
# load that stopped half way is therefore simply run again.
# CLICKHOUSE_CLIENT names the client program (default clickhouse-client).
set -euo pipefail
if [ $# -lt 1 ] || [ ! -d "$1" ]; then
  echo "usage: $0 <folder of .jsonl files> [clickhouse-client options]" >&2
  exit 2
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
for f in "${files[@]}"; do
  for kind in visit download source; do
    # "kind" is the first key of every line, so a line's start says its table.
    if grep -q "^{\"kind\":\"$kind\"" "$f"; then
      grep "^{\"kind\":\"$kind\"" "$f" |
        "${client[@]}" --query "INSERT INTO ${kind}s FORMAT JSONEachRow"
    fi
  done
  echo "loaded: $f"
done
