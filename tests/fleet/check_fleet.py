#!/usr/bin/env python3
"""The fleet tables in real ClickHouse servers.

Two servers on loopback ports, each with its own configuration and data
folder, form a two-shard cluster; the first also holds the single-server
tables. Three generated machines are exported with /format:jsonl and
reported with /format:json, and the exports loaded into both setups:

  - fleet totals, categories and per-domain counts equal the sums of the
    machines' own JSON reports;
  - every query of fleet/queries gives the same answer on the cluster as on
    the single server;
  - loading everything again, and loading a later export whose window
    overlaps one already loaded, changes no answer;
  - a damaged store shows in the failed sources, a downloaded program in
    the executable downloads.

The servers are stopped and their folders removed on every path (they also
receive SIGTERM when this script dies). Without ClickHouse the check fails.

  check_fleet.py <Visitrail> <gen_profile> <fleet folder>
"""
import calendar
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from chservers import CLIENT, SERVER, Servers, client, run_sql_file  # noqa: E402

VISITRAIL, GEN_PROFILE, FLEET = sys.argv[1:4]
QUERIES = sorted(f for f in os.listdir(os.path.join(FLEET, "queries")) if f.endswith(".sql"))
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


def visitrail(home, *args):
    env = dict(os.environ, USERPROFILE=home, USERNAME="auditor", TZ="UTC")
    env.pop("APPDATA", None)
    env.pop("LOCALAPPDATA", None)
    r = subprocess.run([VISITRAIL, "/quiet"] + list(args), env=env, capture_output=True)
    if r.returncode != 0:
        raise RuntimeError("Visitrail %s: exit %d\n%s%s" % (
            " ".join(args), r.returncode, r.stdout.decode(errors="replace"),
            r.stderr.decode(errors="replace")))
    return r.stdout


def load(port, database, folder):
    r = subprocess.run([os.path.join(FLEET, "load.sh"), folder, "--port", str(port),
                        "--database", database], capture_output=True,
                       env=dict(os.environ, CLICKHOUSE_CLIENT=CLIENT))
    if r.returncode != 0:
        raise RuntimeError("load.sh %s: %s" % (folder, r.stderr.decode(errors="replace")))


def answers(port, database):
    return {q: run_sql_file(port, database, os.path.join(FLEET, "queries", q)) for q in QUERIES}


def rows(text):
    return [line.split("\t") for line in text.splitlines()]


def main(work):
    # Three machines; the third has a damaged store beside its good ones.
    homes, reports = [], []
    for n in range(3):
        home = os.path.join(work, "machines", "m%d" % (n + 1), "auditor")
        subprocess.run([GEN_PROFILE, home, "--visits", "12000", "--urls", "2500",
                        "--seed", str(31 + n)], check=True, capture_output=True)
        homes.append(home)
    damaged = os.path.join(homes[2], "AppData", "Local", "Google", "Chrome", "User Data",
                           "Profile 9", "History")
    os.makedirs(os.path.dirname(damaged))
    with open(damaged, "wb") as f:
        f.write(b"this is not a database" * 100)
    for n, home in enumerate(homes):
        reports.append(json.loads(visitrail(home, "/format:json")))

    # Machine 1 goes out twice: an earlier export up to a day, and a later
    # one from an earlier day on; the two overlap and together hold all.
    exports, later = os.path.join(work, "exports"), os.path.join(work, "later")
    os.makedirs(later)
    first, last = reports[0]["stats"]["first"][:10], reports[0]["stats"]["last"][:10]
    t0, t1 = [calendar.timegm(time.strptime(d, "%Y-%m-%d")) for d in (first, last)]
    cut_to = time.strftime("%Y-%m-%d", time.gmtime(t0 + (t1 - t0) * 2 / 3))
    cut_from = time.strftime("%Y-%m-%d", time.gmtime(t0 + (t1 - t0) / 3))
    visitrail(homes[0], "/format:jsonl", "/machine:m1", "/to:" + cut_to, "/out:" + exports + "/")
    visitrail(homes[0], "/format:jsonl", "/machine:m1", "/from:" + cut_from, "/out:" + later + "/")
    for n in (1, 2):
        visitrail(homes[n], "/format:jsonl", "/machine:m%d" % (n + 1), "/out:" + exports + "/")
    names = sorted(os.listdir(exports))
    check(len(names) == 3 and all(x.startswith("Visitrail_m") and x.endswith(".jsonl")
                                  for x in names), "export names: %s" % names)
    for folder in (exports, later):
        for name in os.listdir(folder):
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                for line in f:
                    json.loads(line)
    check(True, "every exported line parses")
    # A downloaded program and a document, as download lines (written as
    # Visitrail writes lines: no blanks between tokens).
    downloads = os.path.join(work, "downloads")
    os.makedirs(downloads)
    with open(os.path.join(downloads, "dl.jsonl"), "w", encoding="utf-8") as f:
        for path, url in (("C:\\Users\\auditor\\Downloads\\setup.EXE", "https://dl.example/setup.exe"),
                          ("C:\\Users\\auditor\\Downloads\\report.pdf", "https://dl.example/report.pdf")):
            f.write(json.dumps({"kind": "download", "run": "r1", "machine": "m2", "user": "auditor",
                                "browser": "Google Chrome", "browser_id": "chrome",
                                "profile": "Default", "ts": 1700000000, "seq": 0,
                                "time": "2023-11-14 22:13:20", "utc_offset": 0, "path": path,
                                "url": url, "bytes": 4096, "state": "完成"},
                               ensure_ascii=False, separators=(",", ":")) + "\n")

    servers = Servers(os.path.join(work, "servers"))
    try:
        servers.start()
        a, b = servers.ports
        version = client(a, "-q", "SELECT version()").strip()
        print("ClickHouse", version, flush=True)
        client(a, "-q", "CREATE DATABASE fleet_single")
        run_sql_file(a, "fleet_single", os.path.join(FLEET, "tables.sql"))
        for port in (a, b):
            client(port, "-q", "CREATE DATABASE visitrail_local")
            run_sql_file(port, "visitrail_local", os.path.join(FLEET, "tables.sql"))
            client(port, "-q", "CREATE DATABASE visitrail")
            run_sql_file(port, "visitrail", os.path.join(FLEET, "cluster.sql"))
        setups = (("single", a, "fleet_single"), ("cluster", a, "visitrail"))

        def load_all(folder):
            for _, port, db in setups:
                load(port, db, folder)

        load_all(exports)
        load_all(later)
        load_all(downloads)

        expected_total = sum(r["stats"]["total"] for r in reports)
        expected_cats = {}
        for r in reports:
            for name, count, _ in r["cats"]:
                expected_cats[name] = expected_cats.get(name, 0) + count
        for name, port, db in setups:
            total = int(client(port, "-q", "SELECT count() FROM visits FINAL", database=db))
            check(total == expected_total, "%s: fleet total %d = sum of reports %d" %
                  (name, total, expected_total))
            got = rows(client(port, "-q", "SELECT machine, count() FROM visits FINAL GROUP BY machine"
                              " ORDER BY machine", database=db))
            want = [["m%d" % (n + 1), str(r["stats"]["total"])] for n, r in enumerate(reports)]
            check(got == want, "%s: visits per machine %s = reports %s" % (name, got, want))
            cats = {c: int(v) for c, v, _ in rows(run_sql_file(
                port, db, os.path.join(FLEET, "queries", "categories.sql")))}
            check(cats == expected_cats, "%s: categories = sum of the reports' categories" % name)
            # Each report's top domains, machine by machine, and the fleet's
            # count of the domains every machine's list names.
            mismatched = []
            for n, r in enumerate(reports):
                for domain, count in r["domains"]:
                    got = int(client(port, "-q", "SELECT count() FROM visits FINAL WHERE machine = "
                                     "'m%d' AND domain = '%s'" % (n + 1, domain.replace("'", "\\'")),
                                     database=db))
                    if got != count:
                        mismatched.append((n + 1, domain, got, count))
            check(not mismatched, "%s: per-machine domain counts = reports %s" % (name, mismatched))
            common = set.intersection(*({d for d, _ in r["domains"]} for r in reports))
            top = {d: int(v) for d, v, _ in rows(run_sql_file(
                port, db, os.path.join(FLEET, "queries", "top_domains.sql")))}
            want = {d: sum(dict(r["domains"])[d] for r in reports) for d in common}
            check(len(common) >= 3 and all(top.get(d) == v for d, v in want.items()),
                  "%s: fleet top domains = sums of the reports for %d shared domains" %
                  (name, len(common)))

        single = answers(a, "fleet_single")
        cluster = answers(a, "visitrail")
        for q in QUERIES:
            check(single[q] == cluster[q] and single[q] != "", "cluster = single server: " + q)
        failed = rows(single["failed_sources.sql"])
        check(len(failed) == 1 and failed[0][0] == "m3" and failed[0][4] == damaged and
              failed[0][5] == "parseerror", "failed sources: the damaged store of m3 %s" % failed)
        exe = rows(single["executable_downloads.sql"])
        check(len(exe) == 1 and exe[0][4].endswith("setup.EXE"), "executable downloads: %s" % exe)

        load_all(exports)
        load_all(later)
        load_all(downloads)
        check(answers(a, "fleet_single") == single and answers(a, "visitrail") == cluster,
              "loading everything again changes no answer")
        # The cluster's rows live where their machine's shard is.
        per_shard = [client(port, "-q", "SELECT count(DISTINCT machine) FROM visitrail_local.visits")
                     for port in (a, b)]
        check(sum(int(x) for x in per_shard) == 3, "each machine on one shard: %s" % per_shard)
    finally:
        servers.stop()


if __name__ == "__main__":
    if not os.access(SERVER, os.X_OK) or not os.access(CLIENT, os.X_OK):
        print("FAIL ClickHouse is not installed (scripts/deps.sh test installs it)")
        sys.exit(1)
    work = tempfile.mkdtemp(prefix="vt_fleet_")
    # An interruption (CTest's timeout, Ctrl+C) still stops the servers and
    # removes the folders.
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
