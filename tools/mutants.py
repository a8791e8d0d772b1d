#!/usr/bin/env python3
"""Small faults put into the code one at a time: does some test notice?

Each line of the list (tools/mutants.txt) names one fault: an exact piece of
a source file and what it becomes. For every fault the script changes the
file, builds only the test programs of the units named on the line, runs
those units' tests through ctest (by label), puts the file back and notes
whether a test failed (caught) or all passed (survived). A fault whose build
fails says nothing about the tests and is counted apart.

  tools/mutants.py [--build DIR] [--list FILE] [--only ID[,ID…]] [--jobs N] [--check]

The build folder must be configured with the tests (VT_BUILD_TESTS=ON);
ccache keeps the rebuilds short. The source tree is restored after every
fault, also when the script is interrupted.

List format, one fault a line, fields separated by TABs:

  id  file  from  to  units  note

`from` must occur exactly once in `file`; "<NL>" in `from` and `to` stands
for a line break (C++ escapes such as "\\n" are taken as written). `units`
are test labels separated by commas (uUtil, uReport, e2e, …: the test
programs test_<unit>). A note that begins with "equivalent:" marks a fault
judged to change no behaviour; it is tabulated apart when it survives.
Lines starting with "#" are comments.
"""
import argparse
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def unescape(s):
    return s.replace("<NL>", "\n")


def read_list(path):
    faults = []
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) != 6:
                sys.exit(f"{path}:{n}: expected 6 TAB-separated fields, got {len(parts)}")
            fid, file, frm, to, units, note = parts
            faults.append({
                "id": fid, "file": file, "from": unescape(frm), "to": unescape(to),
                "units": [u.strip() for u in units.split(",") if u.strip()], "note": note,
                "line": n,
            })
    return faults


def run(cmd, timeout=None):
    p = subprocess.run(cmd, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                       text=True, errors="replace", timeout=timeout)
    return p.returncode, p.stdout


def build(build_dir, units, jobs):
    targets = []
    for u in units:
        targets += ["--target", "test_" + u]
    return run(["cmake", "--build", build_dir, "-j", str(jobs)] + targets)


def run_tests(build_dir, units, jobs):
    label = "^(" + "|".join(units) + ")$"
    rc, out = run(["ctest", "--test-dir", build_dir, "-L", label, "-j", str(jobs),
                   "--stop-on-failure", "--timeout", "300"])
    # A label that selects nothing would pass every fault.
    if "No tests were found" in out:
        sys.exit(f"no test carries the labels {label} (configure the build folder again?)")
    return rc, out


def main():
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(ROOT, "build"))
    ap.add_argument("--list", default=os.path.join(ROOT, "tools", "mutants.txt"))
    ap.add_argument("--only", default="")
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--log", default="", help="write each fault's failing output here")
    ap.add_argument("--check", action="store_true", help="only check that every piece is found")
    args = ap.parse_args()

    faults = read_list(args.list)
    if args.only:
        wanted = set(args.only.split(","))
        faults = [f for f in faults if f["id"] in wanted]

    # Every fault must name its place exactly once before anything runs.
    for f in faults:
        with open(os.path.join(ROOT, f["file"]), encoding="utf-8") as fh:
            count = fh.read().count(f["from"])
        if count != 1:
            sys.exit(f"{f['id']}: the piece occurs {count} times in {f['file']}")
    if args.check:
        print(f"{len(faults)} faults, each found once")
        return 0

    # The unchanged tree must pass the tests the faults will be judged by.
    units = sorted({u for f in faults for u in f["units"]})
    rc, out = build(args.build, units, args.jobs)
    if rc != 0:
        sys.exit("the unchanged tree does not build:\n" + out[-3000:])
    rc, out = run_tests(args.build, units, args.jobs)
    if rc != 0:
        sys.exit("the unchanged tree fails its tests:\n" + out[-3000:])

    log = open(args.log, "w", encoding="utf-8") if args.log else None
    results = []
    for f in faults:
        path = os.path.join(ROOT, f["file"])
        with open(path, encoding="utf-8") as fh:
            original = fh.read()
        start = time.time()
        try:
            with open(path, "w", encoding="utf-8") as fh:
                fh.write(original.replace(f["from"], f["to"], 1))
            rc, out = build(args.build, f["units"], args.jobs)
            if rc != 0:
                outcome, detail = "build error", out[-1500:]
            else:
                rc, out = run_tests(args.build, f["units"], args.jobs)
                outcome = "caught" if rc != 0 else "survived"
                failed = [l.strip() for l in out.splitlines() if "***Failed" in l
                          or "***Timeout" in l or "(Failed)" in l or "***Exception" in l]
                detail = "; ".join(failed[:3])
        finally:
            with open(path, "w", encoding="utf-8") as fh:
                fh.write(original)
        if outcome == "survived" and f["note"].startswith("equivalent:"):
            outcome = "equivalent"
        results.append((f, outcome, detail))
        print(f"{f['id']:<5} {outcome:<11} {time.time() - start:6.0f}s  {f['file']}  {f['note']}"
              + (f"\n      {detail}" if outcome == "caught" and detail else ""), flush=True)
        if log:
            log.write(f"== {f['id']} {outcome}\n{detail}\n")
    # The tree as it was, built again for whoever comes next.
    build(args.build, units, args.jobs)

    caught = sum(1 for _, o, _ in results if o == "caught")
    survived = [f for f, o, _ in results if o == "survived"]
    equivalent = [f for f, o, _ in results if o == "equivalent"]
    broken = [f for f, o, _ in results if o == "build error"]
    judged = caught + len(survived)
    print()
    print(f"faults: {len(results)}; build errors: {len(broken)}; "
          f"judged equivalent: {len(equivalent)}")
    if judged:
        print(f"caught {caught} of {judged} that change behaviour "
              f"({100.0 * caught / judged:.1f} %)")
    for f in survived:
        print(f"  survived: {f['id']} {f['file']}: {f['note']}")
    for f in equivalent:
        print(f"  equivalent: {f['id']} {f['file']}: {f['note']}")
    for f in broken:
        print(f"  build error: {f['id']} {f['file']}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
