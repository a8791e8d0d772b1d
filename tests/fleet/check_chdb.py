#!/usr/bin/env python3
"""The fleet SQL on a current ClickHouse release (26.x), embedded in the
check through chDB (the npm package in tests/fleet/chdb, installed there by
`npm ci`; scripts/test.sh does it).

fleet/load.sh and the SQL files run unchanged: tests/fleet/chdb/client.js
stands in for clickhouse-client. Three generated machines are exported with
/format:jsonl and reported with /format:json; the exports are loaded with
load.sh -j 2, with an overlapping re-export of m1 (another window) and a
folder holding m2's export twice, and:

  - visits per machine, categories per machine and domains per machine
    equal each machine's own report: FINAL counts m1's overlap once;
  - every query of fleet/queries answers, and categories, top domains,
    keywords and activity agree with the reports; the damaged store shows
    in the failed sources, a downloaded program in the executable downloads;
  - loading everything again changes no answer.

  check_chdb.py <Visitrail> <gen_profile> <fleet folder>
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from machines import Fleet, rows  # noqa: E402

VISITRAIL, GEN_PROFILE, FLEET = sys.argv[1:4]
CLIENT = os.path.join(HERE, "chdb", "client.js")
QUERIES = sorted(f for f in os.listdir(os.path.join(FLEET, "queries")) if f.endswith(".sql"))
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


class Chdb:
    """The engine's data folder, reached through client.js one process at a
    time, as load.sh reaches a server."""

    def __init__(self, data):
        self.env = dict(os.environ, CHDB_DATA=data, CLICKHOUSE_CLIENT=CLIENT)

    def sql(self, text, *args):
        r = subprocess.run([CLIENT, "--database", "visitrail"] + list(args), input=text.encode(),
                           capture_output=True, env=self.env)
        if r.returncode != 0:
            raise RuntimeError("%s: %s" % (text[:80], r.stderr.decode(errors="replace")))
        return r.stdout.decode()

    def query(self, name):
        with open(os.path.join(FLEET, "queries", name), encoding="utf-8") as f:
            return self.sql(f.read())

    def load(self, folder, *options):
        r = subprocess.run([os.path.join(FLEET, "load.sh")] + list(options) +
                           [folder, "--database", "visitrail"],
                           capture_output=True, env=self.env)
        if r.returncode != 0:
            raise RuntimeError("load.sh %s: exit %d %s" % (folder, r.returncode,
                                                           r.stderr.decode(errors="replace")))

    def answers(self):
        return {q: self.query(q) for q in QUERIES}


def m1_visit_lines(*folders):
    total = 0
    for folder in folders:
        for name in os.listdir(folder):
            if name.startswith("Visitrail_m1_"):
                with open(os.path.join(folder, name), "rb") as f:
                    total += sum(1 for line in f if line.startswith(b'{"kind":"visit"'))
    return total


def main(work):
    if not os.path.exists(os.path.join(HERE, "chdb", "node_modules", "chdb")):
        raise RuntimeError("chdb is not installed: npm ci in tests/fleet/chdb (scripts/test.sh)")
    fleet = Fleet(VISITRAIL, GEN_PROFILE, work)
    reports = fleet.reports
    # The same export twice, side by side: m2's, and m1's later one again.
    again = os.path.join(work, "again")
    os.makedirs(again)
    for folder in (fleet.exports, fleet.later):
        for name in os.listdir(folder):
            if name.startswith("Visitrail_m2_") or folder == fleet.later:
                shutil.copy(os.path.join(folder, name), os.path.join(again, "copy1_" + name))
                shutil.copy(os.path.join(folder, name), os.path.join(again, "copy2_" + name))

    ch = Chdb(os.path.join(work, "chdb"))
    subprocess.run([CLIENT, "-q", "CREATE DATABASE visitrail"], env=ch.env, check=True)
    version = ch.sql("SELECT version()").strip()
    print("ClickHouse", version, "(chDB)", flush=True)
    check(version.startswith("26."), "a 26.x release: " + version)
    with open(os.path.join(FLEET, "tables.sql"), encoding="utf-8") as f:
        ch.sql(f.read(), "--multiquery")

    def load_all():
        ch.load(fleet.exports, "-j", "2")
        ch.load(fleet.later)
        ch.load(fleet.downloads)
        ch.load(again, "-j", "2")

    load_all()
    # m1's two exports overlap: their lines outnumber m1's visits.
    m1_lines = m1_visit_lines(fleet.exports, fleet.later)
    check(m1_lines > reports[0]["stats"]["total"],
          "m1's exports overlap: %d lines for %d visits" % (m1_lines, reports[0]["stats"]["total"]))
    got = rows(ch.sql("SELECT machine, count() FROM visits FINAL GROUP BY machine ORDER BY machine"))
    check(got == fleet.per_machine(), "visits per machine %s = reports %s" % (got, fleet.per_machine()))
    got = sorted(rows(ch.sql("SELECT machine, category, count() FROM visits FINAL "
                             "GROUP BY machine, category")))
    check(got == fleet.machine_categories(), "categories per machine = the reports' categories")
    per_domain = {(m, d): int(n) for m, d, n in rows(ch.sql(
        "SELECT machine, domain, count() FROM visits FINAL GROUP BY machine, domain"))}
    mismatched = [(n + 1, d, per_domain.get(("m%d" % (n + 1), d)), c)
                  for n, r in enumerate(reports) for d, c in r["domains"]
                  if per_domain.get(("m%d" % (n + 1), d)) != c]
    check(not mismatched, "per-machine domain counts = reports %s" % mismatched)

    first = ch.answers()
    for q in QUERIES:
        check(first[q] != "", "answers: " + q)
    cats = {c: int(v) for c, v, _ in rows(first["categories.sql"])}
    check(cats == fleet.categories(), "categories.sql = sum of the reports' categories")
    top = {d: int(v) for d, v, _ in rows(first["top_domains.sql"])}
    want = fleet.shared_domains()
    check(len(want) >= 3 and all(top.get(d) == v for d, v in want.items()),
          "top_domains.sql = sums of the reports for %d shared domains" % len(want))
    common = set.intersection(*({k for k, _ in r["keywords"]} for r in reports))
    words = {k: int(v) for k, v, _ in rows(first["keywords.sql"])}
    shown = [k for k in common if k in words]
    check(shown and all(words[k] == sum(dict(r["keywords"])[k] for r in reports) for k in shown),
          "keywords.sql = sums of the reports for %d shared words" % len(shown))
    activity = rows(first["activity.sql"])
    for n, r in enumerate(reports):
        mine = [a for a in activity if a[0] == "m%d" % (n + 1)]
        check(sum(int(a[2]) for a in mine) == r["stats"]["total"] and
              min(a[4] for a in mine)[:16] == r["stats"]["first"] and
              max(a[5] for a in mine)[:16] == r["stats"]["last"],
              "activity.sql m%d: visits, first and last = the report's" % (n + 1))
    failed = rows(first["failed_sources.sql"])
    check(len(failed) == 1 and failed[0][0] == "m3" and failed[0][4] == fleet.damaged and
          failed[0][5] == "parseerror", "failed_sources.sql: the damaged store of m3 %s" % failed)
    exe = rows(first["executable_downloads.sql"])
    check(len(exe) == 1 and exe[0][4].endswith("setup.EXE"), "executable_downloads.sql: %s" % exe)

    load_all()
    check(ch.answers() == first, "loading everything again changes no answer")


if __name__ == "__main__":
    work = tempfile.mkdtemp(prefix="vt_chdb_")
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    try:
        main(work)
    except Exception as e:  # a failure to set up is a failure, never a skip
        failures.append(str(e))
        print("FAIL", e)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("%d failed" % len(failures))
    sys.exit(1 if failures else 0)
