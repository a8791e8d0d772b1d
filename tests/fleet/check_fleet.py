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
    the executable downloads;
  - load.sh -j 2 loads a folder as one file at a time does, and a folder
    with a cut export, an export damaged inside a line and an unreadable
    file loads every other file whole and loses the broken lines only.

The servers are stopped and their folders removed on every path (they also
receive SIGTERM when this script dies). Without ClickHouse the check fails.

  check_fleet.py <Visitrail> <gen_profile> <fleet folder>
"""
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
from machines import Fleet, rows  # noqa: E402

VISITRAIL, GEN_PROFILE, FLEET = sys.argv[1:4]
QUERIES = sorted(f for f in os.listdir(os.path.join(FLEET, "queries")) if f.endswith(".sql"))
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


def load_sh(port, database, folder, *options):
    return subprocess.run([os.path.join(FLEET, "load.sh")] + list(options) +
                          [folder, "--port", str(port), "--database", database],
                          capture_output=True, env=dict(os.environ, CLICKHOUSE_CLIENT=CLIENT))


def load(port, database, folder):
    r = load_sh(port, database, folder)
    if r.returncode != 0:
        raise RuntimeError("load.sh %s: %s" % (folder, r.stderr.decode(errors="replace")))


def answers(port, database):
    return {q: run_sql_file(port, database, os.path.join(FLEET, "queries", q)) for q in QUERIES}


KEYS = {"visit": ("user", "browser_id", "profile", "ts", "url", "seq"),
        "download": ("user", "browser_id", "profile", "ts", "url", "path", "seq"),
        "source": ("run", "user", "browser_id", "profile", "path", "seq")}


def lines_per_machine(folder):
    """(kind, machine) -> records (distinct keys) in a folder's files: lines
    that parse, of the part of each file up to its last line end."""
    keys = {}
    for name in sorted(os.listdir(folder)):
        path = os.path.join(folder, name)
        if not os.path.exists(path):
            continue
        with open(path, "rb") as f:
            data = f.read()
        for line in data[:data.rfind(b"\n") + 1].splitlines():
            try:
                rec = json.loads(line)
            except ValueError:
                continue
            keys.setdefault((rec["kind"], rec["machine"]), set()).add(
                tuple(rec[k] for k in KEYS[rec["kind"]]))
    return {k: len(v) for k, v in keys.items()}


def table_rows(port, database):
    got = {}
    for kind in ("visit", "download", "source"):
        for machine, n in rows(client(port, "-q", "SELECT machine, count() FROM %ss FINAL GROUP BY machine"
                                      % kind, database=database)):
            got[(kind, machine)] = int(n)
    return got


def check_loading(port, fleet, work):
    """load.sh on one server: files loaded side by side give what one at a
    time gives, and a damaged export costs only its damaged lines."""
    many = os.path.join(work, "many")
    os.makedirs(many)
    # Names kept apart by their folder (the two exports of m1 may share a
    # second); m2's export also comes twice, loaded side by side with itself.
    for folder in (fleet.exports, fleet.later, fleet.downloads):
        for name in os.listdir(folder):
            shutil.copy(os.path.join(folder, name),
                        os.path.join(many, os.path.basename(folder) + "_" + name))
            if "_m2_" in name:
                shutil.copy(os.path.join(folder, name), os.path.join(many, "again_" + name))
    seconds = {}
    for jobs in ("1", "2"):
        db = "load_j" + jobs
        client(port, "-q", "CREATE DATABASE " + db)
        run_sql_file(port, db, os.path.join(FLEET, "tables.sql"))
        t0 = time.monotonic()
        r = load_sh(port, db, many, "-j", jobs)
        seconds[jobs] = time.monotonic() - t0
        out = r.stdout.decode()
        check(r.returncode == 0 and "6 files: 6 loaded, 0 failed" in out and
              out.count("loaded: ") == 6, "load.sh -j %s: every file loaded: %s" %
              (jobs, out.splitlines()[-1:]))
        got = table_rows(port, db)
        check(got == lines_per_machine(many), "load.sh -j %s: every record in its table" % jobs)
    check(answers(port, "load_j1") == answers(port, "load_j2"),
          "load.sh -j 2 answers as one file at a time does")
    print("     load.sh -j 1: %.2f s, -j 2: %.2f s (%.2f)" %
          (seconds["1"], seconds["2"], seconds["2"] / seconds["1"]), flush=True)

    # A folder whose middle export was cut 300 bytes short, as a machine shut
    # down while writing leaves it; an export with a line damaged inside
    # (the server refuses it); and a file that cannot be read at all.
    cut = os.path.join(work, "cut")
    shutil.copytree(fleet.exports, cut)
    names = sorted(os.listdir(cut))
    middle = os.path.join(cut, names[1])
    os.truncate(middle, os.path.getsize(middle) - 300)
    with open(middle, "rb") as f:
        whole_lines = f.read().count(b"\n")
    with open(os.path.join(cut, names[2]), encoding="utf-8") as f:
        sample = [f.readline().replace('"machine":"m3"', '"machine":"m9"') for _ in range(3)]
    sample[1] = sample[1].replace('"ts":1', '"ts":1x', 1)
    with open(os.path.join(cut, "Visitrail_m9_damaged.jsonl"), "w", encoding="utf-8") as f:
        f.writelines(sample)
    os.symlink(os.path.join(work, "nowhere"), os.path.join(cut, "Visitrail_gone.jsonl"))
    client(port, "-q", "CREATE DATABASE load_cut")
    run_sql_file(port, "load_cut", os.path.join(FLEET, "tables.sql"))
    r = load_sh(port, "load_cut", cut)
    out, err = r.stdout.decode(), r.stderr.decode()
    check(r.returncode == 4 and "5 files: 4 loaded, 1 failed;" in out and
          out.rstrip().endswith("2 broken lines skipped"),
          "cut folder: exit 4 and the closing line counts the failures: %d %s" %
          (r.returncode, out.splitlines()[-1:]))
    named = ("%s: line %d is broken" % (middle, whole_lines + 1) in err and
             "Visitrail_m9_damaged.jsonl: line 2 is broken" in err and
             "failed: " + os.path.join(cut, "Visitrail_gone.jsonl") in err)
    check(named, "cut folder: the broken lines and the failed file are named" +
          ("" if named else ": " + err))
    want = lines_per_machine(cut)
    check(table_rows(port, "load_cut") == want and want[("visit", "m9")] == 2,
          "cut folder: every other file loads whole, the damaged ones lose their broken line only")


def main(work):
    fleet = Fleet(VISITRAIL, GEN_PROFILE, work)
    reports, exports, later, downloads = fleet.reports, fleet.exports, fleet.later, fleet.downloads
    names = sorted(os.listdir(exports))
    check(len(names) == 3 and all(x.startswith("Visitrail_m") and x.endswith(".jsonl")
                                  for x in names), "export names: %s" % names)
    for folder in (exports, later):
        for name in os.listdir(folder):
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                for line in f:
                    json.loads(line)
    check(True, "every exported line parses")

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

        expected_total = fleet.total()
        expected_cats = fleet.categories()
        for name, port, db in setups:
            total = int(client(port, "-q", "SELECT count() FROM visits FINAL", database=db))
            check(total == expected_total, "%s: fleet total %d = sum of reports %d" %
                  (name, total, expected_total))
            got = rows(client(port, "-q", "SELECT machine, count() FROM visits FINAL GROUP BY machine"
                              " ORDER BY machine", database=db))
            want = fleet.per_machine()
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
            top = {d: int(v) for d, v, _ in rows(run_sql_file(
                port, db, os.path.join(FLEET, "queries", "top_domains.sql")))}
            want = fleet.shared_domains()
            check(len(want) >= 3 and all(top.get(d) == v for d, v in want.items()),
                  "%s: fleet top domains = sums of the reports for %d shared domains" %
                  (name, len(want)))

        single = answers(a, "fleet_single")
        cluster = answers(a, "visitrail")
        for q in QUERIES:
            check(single[q] == cluster[q] and single[q] != "", "cluster = single server: " + q)
        failed = rows(single["failed_sources.sql"])
        check(len(failed) == 1 and failed[0][0] == "m3" and failed[0][4] == fleet.damaged and
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
        check_loading(a, fleet, work)
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
