#!/usr/bin/env python3
"""Reads a CSV report with Python's csv module and checks that its rows are
exactly the "records" of a JSON report of the same visits: same order, same
texts, the only difference being the "'" the CSV puts before a field that a
spreadsheet would run as a formula.

    csv_matches_json.py report.csv report.json
"""
import csv
import json
import sys

FORMULA_STARTS = ("=", "+", "-", "@", "\t", "\r")


def unguard(field):
    if field.startswith("'") and field[1:].startswith(FORMULA_STARTS):
        return field[1:]
    assert not field.startswith(FORMULA_STARTS), "unguarded formula field %r" % field
    return field


def main(csv_path, json_path):
    raw = open(csv_path, "rb").read()
    assert raw.startswith(b"\xef\xbb\xbf"), "no byte-order mark"
    with open(csv_path, encoding="utf-8-sig", newline="") as f:
        rows = list(csv.reader(f, strict=True))
    with open(json_path, encoding="utf-8") as f:
        records = json.load(f)["records"]
    assert rows[0] == ["时间", "浏览器", "配置", "标题", "网址"], rows[0]
    rows = rows[1:]
    assert len(rows) == len(records), (len(rows), len(records))
    for row, rec in zip(rows, records):
        want = [rec["time"], rec["browser"], rec["profile"], rec["title"], rec["url"]]
        assert [unguard(f) for f in row] == want, (row, want)
    # Every line ends in CR LF: outside the quoted fields no LF stands alone.
    quoted = False
    for i, byte in enumerate(raw):
        if byte == ord('"'):
            quoted = not quoted
        elif byte == ord("\n") and not quoted:
            assert raw[i - 1] == ord("\r"), "bare LF at byte %d" % i
    assert raw.endswith(b"\r\n")
    print("csv rows match json records: %d" % len(rows))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
