#!/usr/bin/env python3
"""Checks that two golden_compare.sh output folders differ only by what the
downloads add: the JSON report's "downloads" key after "records"; in the
page, the download-rows script element and the lines the page template
gained or lost (old and new template given); on the console, the line
"下载记录：N 个文件" and the source table's "下载" column. Visits, their
statistics and the page's data object must be byte for byte the same.

  tools/golden_downloads.py <ref dir> <candidate dir> <old template> <new template>
"""
import difflib
from collections import Counter
import json
import os
import re
import sys


def strip_json(text):
    # The report's last key: remove it and its value, keep everything else.
    at = text.rfind(',"downloads":')
    if at < 0:
        return text, None
    value = text[at + len(',"downloads":'):-1]
    json.loads(value)  # must be valid JSON
    return text[:at] + '}', value


def console(text):
    out = []
    for line in text.split('\n'):
        if re.fullmatch(r'下载记录：\d+ 个文件', line):
            continue
        # The downloads column: one space and a count (or its header) padded to 8.
        line = re.sub(r' {1,8}(下载|\d+)$', '', line) if re.search(r'(条数|\d) {1,8}(下载|\d+)$', line) else line
        out.append(line)
    return '\n'.join(out)


def main():
    ref, cand, old_tpl, new_tpl = sys.argv[1:5]
    old_lines = Counter(open(old_tpl, encoding='utf-8').read().split('\n'))
    new_lines = Counter(open(new_tpl, encoding='utf-8').read().split('\n'))
    # Lines the template gained or lost (a line it holds more or fewer times).
    gained = {l for l in new_lines if new_lines[l] > old_lines[l]}
    lost = {l for l in old_lines if old_lines[l] > new_lines[l]}
    bad = 0
    for name in sorted(n for n in os.listdir(ref) if not n.startswith(".")):
        a = open(os.path.join(ref, name), encoding='utf-8', errors='surrogateescape').read()
        b = open(os.path.join(cand, name), encoding='utf-8', errors='surrogateescape').read()
        if a == b:
            continue
        why = ''
        if b.startswith('{"tool"'):
            stripped, value = strip_json(b)
            if stripped != a:
                why = 'JSON differs beyond "downloads"'
            else:
                print('%s: only "downloads" (%s)' % (name, value if len(value) < 40 else '%d bytes' % len(value)))
        elif '<!DOCTYPE html>' in b:
            # Lines of the data object and profiles must be equal; the rest
            # may differ only by template lines.
            bl = [l for l in b.split('\n') if 'id="download-rows"' not in l]
            al = a.split('\n')
            for tag, i1, i2, j1, j2 in difflib.SequenceMatcher(None, al, bl, autojunk=False).get_opcodes():
                if tag == 'equal':
                    continue
                gone = [l for l in al[i1:i2] if l not in lost]
                came = [l for l in bl[j1:j2] if l not in gained]
                if gone or came:
                    why = 'page differs outside the template: %r / %r' % (gone[:1], came[:1])
                    break
            if not why:
                print('%s: only template lines and the download rows' % name)
        elif console(a) == console(b):
            print('%s: only the download count line and column' % name)
        else:
            why = 'console differs beyond the downloads'
        if why:
            bad += 1
            print('%s: %s' % (name, why))
    print('downloads-only differences: %s' % ('yes' if bad == 0 else 'NO (%d files)' % bad))
    return 1 if bad else 0


sys.exit(main())
