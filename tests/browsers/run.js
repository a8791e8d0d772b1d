'use strict';
// Real browsers, real stores: Debian's Chromium and Firefox ESR visit three
// pages served from 127.0.0.1 into a scratch home, and Visitrail run with
// that HOME must find exactly those visits and titles under "Chromium" and
// "Mozilla Firefox" -- while Firefox still runs, so that its visits sit in
// the write-ahead log of a store it holds open.
//
// Usage: node run.js <Visitrail binary>. Exits 77 (skipped) when a browser is
// missing; everything is headless and needs no display and no network.
const fs = require('fs');
const http = require('http');
const path = require('path');
const { spawnSync } = require('child_process');
const { CHROMIUM, FIREFOX, DEADLINE_MS, started, log, sleep, requireTools, createHome, homeEnv,
  onCleanUp, launch, makeFirefoxProfile, runMain } = require('./common');

const EXE = process.argv[2];

const PAGES = [
  ['/one', 'Visitrail 测试页 一'],
  ['/two', 'Visitrail 测试页 二'],
  ['/three', 'Visitrail 测试页 三'],
];

requireTools(EXE);
const home = createHome('vt_browsers_');
let server;
onCleanUp(() => { if (server) server.close(); });

// Each page leads to the next, as a user following links would.
function startServer(seen) {
  return new Promise((resolve) => {
    server = http.createServer((req, res) => {
      const i = PAGES.findIndex((p) => p[0] === req.url);
      if (i < 0) { res.writeHead(404); res.end(); return; }
      const agent = /Firefox\//.test(req.headers['user-agent'] || '') ? 'firefox' : 'chromium';
      seen[agent].add(req.url);
      const next = i + 1 < PAGES.length
        ? `<script>setTimeout(() => { location.href = '${PAGES[i + 1][0]}'; }, 600);</script>` : '';
      res.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8', 'Cache-Control': 'no-store' });
      res.end(`<!doctype html><meta charset="utf-8"><title>${PAGES[i][1]}</title><p>${i + 1}</p>${next}`);
    });
    server.listen(0, '127.0.0.1', () => resolve(server.address().port));
  });
}

function runVisitrail() {
  const r = spawnSync(EXE, ['/format:json'], { env: homeEnv('vt-tmp'), timeout: 60000, maxBuffer: 64 << 20 });
  if (r.status !== 0) return { ok: false, why: `exit ${r.status}: ${r.stdout}${r.stderr}` };
  return { ok: true, report: JSON.parse(r.stdout.toString('utf8')) };
}

function visitsOf(report, browser) {
  return report.records.filter((v) => v.browser === browser).map((v) => `${v.url} | ${v.title}`).sort();
}

async function main() {
  fs.mkdirSync(path.join(home, 'tmp'));
  fs.mkdirSync(path.join(home, 'vt-tmp'));
  const seen = { chromium: new Set(), firefox: new Set() };
  const port = await startServer(seen);
  const base = `http://127.0.0.1:${port}`;
  const expected = PAGES.map(([p, t]) => `${base}${p} | ${t}`).sort();
  log(`serving ${base}, home ${home}`);

  const profile = makeFirefoxProfile();
  log(`Firefox profile ${profile}`);
  const firefox = launch(FIREFOX, ['--headless', '--no-remote', '-P', 'default-esr', base + PAGES[0][0]]);
  // Headless Chromium keeps a throwaway profile unless told to use the one
  // a desktop user has (~/.config/chromium).
  const chromium = launch(CHROMIUM, ['--headless=new', `--user-data-dir=${path.join(home, '.config', 'chromium')}`, '--no-sandbox', '--disable-gpu', '--no-first-run',
    '--no-default-browser-check', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--disable-extensions', '--password-store=basic', base + PAGES[0][0]]);

  // Wait for both browsers to reach the last page, then for their stores
  // to hold it (Chromium commits its history every few seconds).
  let last = null;
  while (Date.now() - started < DEADLINE_MS) {
    await sleep(1000);
    if (firefox.exited) throw new Error('Firefox ended early:\n' + firefox.errText());
    if (chromium.exited) throw new Error('Chromium ended early:\n' + chromium.errText());
    if (!seen.chromium.has('/three') || !seen.firefox.has('/three')) continue;
    const r = runVisitrail();
    if (!r.ok) { last = r.why; continue; }
    last = r.report;
    if (visitsOf(r.report, 'Chromium').length >= 3 && visitsOf(r.report, 'Mozilla Firefox').length >= 3) break;
  }
  if (!last || typeof last === 'string')
    throw new Error(`no report within ${DEADLINE_MS / 1000}s (pages seen: chromium ${[...seen.chromium]}, firefox ${[...seen.firefox]}): ${last}`);

  const failures = [];
  for (const browser of ['Chromium', 'Mozilla Firefox']) {
    const got = visitsOf(last, browser);
    if (JSON.stringify(got) !== JSON.stringify(expected))
      failures.push(`${browser}: expected\n  ${expected.join('\n  ')}\ngot\n  ${got.join('\n  ') || '(nothing)'}`);
    const src = last.sources.filter((s) => s.name === browser);
    if (src.length !== 1 || src[0].state !== 'ok' || src[0].count !== 3)
      failures.push(`${browser}: expected one source with 3 visits, got ${JSON.stringify(src)}`);
  }
  const chromiumSrc = last.sources.find((s) => s.name === 'Chromium');
  if (chromiumSrc && !chromiumSrc.profile.endsWith('\\Default'))
    failures.push(`Chromium profile label ${chromiumSrc.profile}`);
  // Read while Firefox still runs: the visits are in its write-ahead log.
  const wal = path.join(profile, 'places.sqlite-wal');
  if (firefox.exited) failures.push('Firefox was no longer running when the store was read');
  if (!fs.existsSync(wal) || fs.statSync(wal).size === 0) failures.push('places.sqlite-wal is missing or empty');
  if (fs.readdirSync(path.join(home, 'vt-tmp')).length !== 0) failures.push('snapshot copies were left behind');

  // What the main file holds alone, without its log (for the record: the
  // engine may checkpoint whenever it likes).
  const alone = path.join(home, 'main-only.sqlite');
  fs.copyFileSync(path.join(profile, 'places.sqlite'), alone);
  const q = spawnSync('sqlite3', [alone, 'SELECT count(*) FROM moz_historyvisits'], { encoding: 'utf8' });
  if (q.status === 0) log(`places.sqlite without its WAL holds ${q.stdout.trim()} visits`);

  if (failures.length) {
    console.log('FAIL\n' + failures.join('\n'));
    return 1;
  }
  log(`Chromium and Mozilla Firefox: 3 visits each with their titles (Firefox running, WAL ${fs.statSync(wal).size} bytes)`);
  return 0;
}

runMain(main);
