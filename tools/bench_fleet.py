#!/usr/bin/env python3
"""Figures for many machines:

  (a) /format:jsonl of a large history beside the JSON report of the same
      store (median of several runs each, written to a file);
  (b) loading the exports of several machines into a private ClickHouse
      server with fleet/load.sh, one file at a time and files side by side
      (load.sh -j N for each N of --jobs): rows per second of wall time, and
      per second of CPU (load.sh, its clients and the server together);
  (c) the fleet top-domains query (fleet/queries/top_domains.sql) on the
      loaded tables (median).

  tools/bench_fleet.py [--visits N] [--urls M] [--machines K] [--runs R] [--jobs 1,2]
                       [--skip-export]

The profile (Chrome, one profile; 1,000,000 visits over 200,000 addresses
by default) is generated into build-bench/ and reused, as tools/benchmark.sh
does; the machines are that history exported under K machine names. The
program and gen_profile come from build-bench/build unless VT_EXE and
GEN_PROFILE name them.
"""
import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "fleet"))
from chservers import CLIENT, Servers, client, run_sql_file  # noqa: E402


def timed(cmd, env=None):
    return timed_cpu(cmd, env)[0]


def timed_cpu(cmd, env=None):
    """Wall seconds and the program's own CPU seconds (user + system): on a
    shared machine the second moves far less with the neighbours' load."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    t0 = time.monotonic()
    subprocess.run(cmd, env=env, check=True, stdout=subprocess.DEVNULL)
    wall = time.monotonic() - t0
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return wall, (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


def report_export(args, times):
    med = {k: statistics.median(v) for k, v in times.items() if isinstance(v, list)}
    print("\n%d visits, median of %d runs (wall, and the program's CPU):" %
          (args.visits, args.runs))
    print("  JSON report  (%4d MB)  %7.2f s  %6.2f s CPU" %
          (times["json_mb"], med["json"], med["json_cpu"]))
    print("  JSONL export (%4d MB)  %7.2f s  %6.2f s CPU   (JSONL / JSON = %.2f wall, %.2f CPU)"
          % (times["jsonl_mb"], med["jsonl"], med["jsonl_cpu"], med["jsonl"] / med["json"],
             med["jsonl_cpu"] / med["json_cpu"]))


def server_cpu(pid):
    """The server's CPU seconds so far (user + system)."""
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--visits", type=int, default=1000000)
    ap.add_argument("--urls", type=int, default=200000)
    ap.add_argument("--machines", type=int, default=5)
    ap.add_argument("--runs", type=int, default=3)
    ap.add_argument("--jobs", default="1,2", help="load.sh -j values to measure, e.g. 1,2")
    ap.add_argument("--skip-export", action="store_true", help="leave out (a)")
    args = ap.parse_args()

    cache = os.path.join(ROOT, "build-bench")
    build = os.path.join(cache, "build")
    exe = os.environ.get("VT_EXE") or os.path.join(build, "Visitrail")
    gen = os.environ.get("GEN_PROFILE") or os.path.join(build, "tools", "gen_profile")
    if not (os.access(exe, os.X_OK) and os.access(gen, os.X_OK)):
        subprocess.run(["cmake", "-S", ROOT, "-B", build, "-DCMAKE_BUILD_TYPE=Release",
                        "-DVT_BUILD_TESTS=ON"], check=True, stdout=subprocess.DEVNULL)
        subprocess.run(["cmake", "--build", build, "--target", "Visitrail", "gen_profile",
                        "-j2"], check=True, stdout=subprocess.DEVNULL)
    name = ("profile-1m" if (args.visits, args.urls) == (1000000, 200000)
            else "profile-%d-%d" % (args.visits, args.urls))
    home = os.path.join(cache, name, "bench")
    history = os.path.join(home, "AppData/Local/Google/Chrome/User Data/Default/History")
    if not os.path.exists(history):
        print("generating %d visits over %d addresses ..." % (args.visits, args.urls), flush=True)
        shutil.rmtree(os.path.join(cache, name), ignore_errors=True)
        subprocess.run([gen, home, "--visits", str(args.visits), "--urls", str(args.urls),
                        "--only", "chrome/Default"], check=True, stdout=subprocess.DEVNULL)
    env = dict(os.environ, USERPROFILE=home)

    work = tempfile.mkdtemp(prefix="vt_benchfleet_")
    servers = None
    try:
        # (a) the export beside the JSON report
        times = {"json": [], "jsonl": [], "json_cpu": [], "jsonl_cpu": []}
        for _ in range(0 if args.skip_export else args.runs):
            for fmt in ("json", "jsonl"):
                out = os.path.join(work, "r." + fmt)
                wall, cpu = timed_cpu([exe, "/src:chrome", "/format:" + fmt, "/out:" + out], env)
                times[fmt].append(wall)
                times[fmt + "_cpu"].append(cpu)
                size = os.path.getsize(out)
                os.remove(out)
                times[fmt + "_mb"] = size // 1048576
        if not args.skip_export:
            report_export(args, times)

        # (b) loading the machines
        exports = os.path.join(work, "exports")
        os.makedirs(exports)
        for k in range(args.machines):
            subprocess.run([exe, "/src:chrome", "/format:jsonl", "/machine:m%d" % (k + 1),
                            "/out:" + exports + "/"], env=env, check=True,
                           stdout=subprocess.DEVNULL)
        servers = Servers(os.path.join(work, "servers"), count=1)
        servers.start()
        port = servers.ports[0]
        print("\nClickHouse %s, one server" % client(port, "-q", "SELECT version()").strip())
        load_env = dict(os.environ, CLICKHOUSE_CLIENT=CLIENT)
        for jobs in args.jobs.split(","):
            db = "visitrail_j" + jobs
            client(port, "-q", "CREATE DATABASE " + db)
            run_sql_file(port, db, os.path.join(ROOT, "fleet", "tables.sql"))
            cpu0 = server_cpu(servers.procs[0].pid)
            load_s, load_cpu = timed_cpu([os.path.join(ROOT, "fleet", "load.sh"), "-j", jobs,
                                          exports, "--port", str(port), "--database", db], load_env)
            server_s = server_cpu(servers.procs[0].pid) - cpu0
            rows = int(client(port, "-q", "SELECT count() FROM visits", database=db))
            print("  load %d machines x %d visits, -j %s: %.1f s, %.0f rows/s; %.1f s CPU (server"
                  " %.1f s), %.0f rows per CPU second" %
                  (args.machines, args.visits, jobs, load_s, rows / load_s, load_cpu + server_s,
                   server_s, rows / (load_cpu + server_s)), flush=True)
        print("  (load average %.1f)" % os.getloadavg()[0])

        # (c) the fleet's top domains, before any merge and after the parts merged
        query = os.path.join(ROOT, "fleet", "queries", "top_domains.sql")
        for label in ("as loaded", "after OPTIMIZE FINAL"):
            q = []
            for _ in range(args.runs):
                t0 = time.monotonic()
                run_sql_file(port, db, query)
                q.append(time.monotonic() - t0)
            print("  top domains (%s): %.2f s median" % (label, statistics.median(q)))
            if label == "as loaded":
                client(port, "-q", "OPTIMIZE TABLE visits FINAL", database=db)
    finally:
        if servers:
            servers.stop()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
