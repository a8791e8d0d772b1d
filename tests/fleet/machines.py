"""Generated machines for the fleet checks: three Visitrail profiles (the
third with a damaged store beside its good ones), each machine's own JSON
report, and their JSONL exports as a fleet's share would hold them:

  exports/    m1 up to two thirds of its history, m2 and m3 whole;
  later/      m1 again from one third on, overlapping the first export;
  downloads/  a downloaded program and a document, as download lines.
"""
import calendar
import json
import os
import subprocess
import time


class Fleet:
    def __init__(self, visitrail, gen_profile, work, visits=12000, urls=2500):
        self.exe, self.gen, self.work = visitrail, gen_profile, work
        self.homes, self.reports = [], []
        for n in range(3):
            home = os.path.join(work, "machines", "m%d" % (n + 1), "auditor")
            subprocess.run([gen_profile, home, "--visits", str(visits), "--urls", str(urls),
                            "--seed", str(31 + n)], check=True, capture_output=True)
            self.homes.append(home)
        self.damaged = os.path.join(self.homes[2], "AppData", "Local", "Google", "Chrome",
                                    "User Data", "Profile 9", "History")
        os.makedirs(os.path.dirname(self.damaged))
        with open(self.damaged, "wb") as f:
            f.write(b"this is not a database" * 100)
        for home in self.homes:
            self.reports.append(json.loads(self.run(home, "/format:json")))

        # Machine 1 goes out twice: an earlier export up to a day, and a later
        # one from an earlier day on; the two overlap and together hold all.
        self.exports = os.path.join(work, "exports")
        self.later = os.path.join(work, "later")
        os.makedirs(self.later)
        stats = self.reports[0]["stats"]
        t0, t1 = [calendar.timegm(time.strptime(stats[k][:10], "%Y-%m-%d"))
                  for k in ("first", "last")]
        cut_to = time.strftime("%Y-%m-%d", time.gmtime(t0 + (t1 - t0) * 2 / 3))
        cut_from = time.strftime("%Y-%m-%d", time.gmtime(t0 + (t1 - t0) / 3))
        self.export(0, self.exports, "/to:" + cut_to)
        self.export(0, self.later, "/from:" + cut_from)
        for n in (1, 2):
            self.export(n, self.exports)

        # Written as Visitrail writes lines: no blanks between tokens.
        self.downloads = os.path.join(work, "downloads")
        os.makedirs(self.downloads)
        with open(os.path.join(self.downloads, "dl.jsonl"), "w", encoding="utf-8") as f:
            for path, url in (("C:\\Users\\auditor\\Downloads\\setup.EXE", "https://dl.example/setup.exe"),
                              ("C:\\Users\\auditor\\Downloads\\report.pdf", "https://dl.example/report.pdf")):
                f.write(json.dumps({"kind": "download", "run": "r1", "machine": "m2", "user": "auditor",
                                    "browser": "Google Chrome", "browser_id": "chrome",
                                    "profile": "Default", "ts": 1700000000, "seq": 0,
                                    "time": "2023-11-14 22:13:20", "utc_offset": 0, "path": path,
                                    "url": url, "bytes": 4096, "state": "完成"},
                                   ensure_ascii=False, separators=(",", ":")) + "\n")

    def run(self, home, *args):
        env = dict(os.environ, USERPROFILE=home, USERNAME="auditor", TZ="UTC")
        env.pop("APPDATA", None)
        env.pop("LOCALAPPDATA", None)
        r = subprocess.run([self.exe, "/quiet"] + list(args), env=env, capture_output=True)
        if r.returncode != 0:
            raise RuntimeError("Visitrail %s: exit %d\n%s%s" % (
                " ".join(args), r.returncode, r.stdout.decode(errors="replace"),
                r.stderr.decode(errors="replace")))
        return r.stdout

    def export(self, n, folder, *args):
        self.run(self.homes[n], "/format:jsonl", "/machine:m%d" % (n + 1), "/out:" + folder + "/",
                 *args)

    def total(self):
        return sum(r["stats"]["total"] for r in self.reports)

    def per_machine(self):
        return [["m%d" % (n + 1), str(r["stats"]["total"])] for n, r in enumerate(self.reports)]

    def categories(self):
        """Visits per category across the three reports."""
        cats = {}
        for r in self.reports:
            for name, count, _ in r["cats"]:
                cats[name] = cats.get(name, 0) + count
        return cats

    def machine_categories(self):
        """(machine, category, visits) of every report, sorted."""
        return sorted(["m%d" % (n + 1), name, str(count)]
                      for n, r in enumerate(self.reports) for name, count, _ in r["cats"])

    def shared_domains(self):
        """The domains every report lists, with the sums of their counts."""
        common = set.intersection(*({d for d, _ in r["domains"]} for r in self.reports))
        return {d: sum(dict(r["domains"])[d] for r in self.reports) for d in common}


def rows(text):
    return [line.split("\t") for line in text.splitlines()]
