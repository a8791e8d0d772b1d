'use strict';
// Real browsers, real downloads: Debian's Chromium (driven through
// playwright-core) and Firefox ESR download two files each from pages served
// on 127.0.0.1 into a scratch home, and Visitrail run with that HOME must
// find every download with its saved path, source address, size and state.
// Chromium: one file completes, the other is cancelled half-way. Firefox
// cannot be driven headless without its remote protocol, so it saves both
// files by its download preferences (no dialog); it writes a download's
// outcome (state, size) only from its downloads view, so its downloads carry
// their path and address with the state "未知".
//
// Usage: node downloads.js <Visitrail binary>. Exits 77 (skipped) when a
// browser or playwright-core is missing; no display and no network needed.
const fs = require('fs');
const http = require('http');
const path = require('path');
const { spawnSync } = require('child_process');
const { SKIP, CHROMIUM, FIREFOX, DEADLINE_MS, started, log, sleep, requireTools, createHome, homeEnv,
  onCleanUp, launch, makeFirefoxProfile, runMain } = require('./common');

const EXE = process.argv[2];
const DONE_BYTES = 12345;
const SLOW_BYTES = 8 << 20;

requireTools(EXE);
let playwright;
try {
  playwright = require(require.resolve('playwright-core', { paths: [path.join(__dirname, '..', 'page')] }));
} catch (e) {
  console.log('SKIP: playwright-core not installed (run npm ci in tests/page)');
  process.exit(SKIP);
}

const home = createHome('vt_downloads_');
const hanging = [];
let server;
onCleanUp(() => {
  for (const res of hanging) res.destroy();
  if (server) server.close();
});

// /page/<who> starts two downloads; /file/<who>-done.bin arrives whole,
// /file/<who>-slow.bin sends a first part and then waits.
function startServer(seen) {
  return new Promise((resolve) => {
    server = http.createServer((req, res) => {
      const m = /^\/(page|file)\/([a-z]+)(?:-(done|slow)\.bin)?$/.exec(req.url);
      if (!m) { res.writeHead(404); res.end(); return; }
      seen.add(req.url);
      if (m[1] === 'page') {
        res.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8', 'Cache-Control': 'no-store' });
        // Firefox is not driven: its page starts both downloads itself.
        const auto = m[2] === 'firefox' ? `<script>setTimeout(() => { location.href = '/file/firefox-done.bin'; }, 300);
setTimeout(() => { location.href = '/file/firefox-slow.bin'; }, 2500);</script>` : '';
        res.end(`<!doctype html><meta charset="utf-8"><title>下载测试</title>
<a id="done" href="/file/${m[2]}-done.bin">done</a> <a id="slow" href="/file/${m[2]}-slow.bin">slow</a>${auto}`);
        return;
      }
      const done = m[3] === 'done';
      res.writeHead(200, {
        'Content-Type': 'application/octet-stream', 'Cache-Control': 'no-store',
        'Content-Disposition': `attachment; filename="${m[2]}-${m[3]}.bin"`,
        'Content-Length': String(done ? DONE_BYTES : SLOW_BYTES),
      });
      if (done) { res.end(Buffer.alloc(DONE_BYTES, 7)); return; }
      res.write(Buffer.alloc(65536, 9));
      hanging.push(res);
    });
    server.listen(0, '127.0.0.1', () => resolve(server.address().port));
  });
}

function runVisitrail() {
  const r = spawnSync(EXE, ['/format:json'], { env: homeEnv('vt-tmp'), timeout: 60000, maxBuffer: 64 << 20 });
  if (r.status !== 0) return null;
  return JSON.parse(r.stdout.toString('utf8'));
}
const downloadsOf = (report, browser) => (report ? report.downloads.filter((d) => d[1] === browser) : []);

async function chromiumDownloads(base) {
  const ctx = await playwright.chromium.launchPersistentContext(path.join(home, '.config', 'chromium'), {
    executablePath: CHROMIUM, headless: true, acceptDownloads: true, env: homeEnv(),
    downloadsPath: path.join(home, 'cr-downloads'),
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--password-store=basic'],
  });
  const page = await ctx.newPage();
  await page.goto(base + '/page/chromium');
  const [done] = await Promise.all([page.waitForEvent('download'), page.click('#done')]);
  const donePath = await done.path();
  const [slow] = await Promise.all([page.waitForEvent('download'), page.click('#slow')]);
  await sleep(500);
  await slow.cancel();
  const why = await slow.failure();
  log(`Chromium: complete download saved to ${donePath}; the other ${why || 'not cancelled'}`);
  // Closing writes the history out; the visits check reads a running store.
  await ctx.close();
  return { donePath, saveDir: path.dirname(donePath) };
}

async function main() {
  for (const d of ['tmp', 'vt-tmp', 'ff-downloads', 'cr-downloads']) fs.mkdirSync(path.join(home, d));
  const seen = new Set();
  const port = await startServer(seen);
  const base = `http://127.0.0.1:${port}`;
  log(`serving ${base}, home ${home}`);
  const failures = [];

  // ---- Chromium ----
  const chromium = await chromiumDownloads(base);
  let report = runVisitrail();
  const cd = downloadsOf(report, 'Chromium');
  const byUrl = (list, name) => list.find((d) => d[4] === `${base}/file/${name}`);
  const cDone = byUrl(cd, 'chromium-done.bin'), cSlow = byUrl(cd, 'chromium-slow.bin');
  if (cd.length !== 2 || !cDone || !cSlow) {
    failures.push(`Chromium: expected two downloads, got ${JSON.stringify(cd)}`);
  } else {
    if (cDone[3] !== chromium.donePath || cDone[5] !== DONE_BYTES || cDone[6] !== '完成')
      failures.push(`Chromium complete download: ${JSON.stringify(cDone)} (saved to ${chromium.donePath})`);
    if (path.dirname(cSlow[3]) !== chromium.saveDir || cSlow[6] !== '已取消')
      failures.push(`Chromium cancelled download: ${JSON.stringify(cSlow)}`);
    if (!/^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$/.test(cDone[0])) failures.push(`Chromium download time ${cDone[0]}`);
    log(`Chromium: ${JSON.stringify(cDone)} / ${JSON.stringify(cSlow)}`);
  }

  // ---- Firefox ----
  const ffDir = path.join(home, 'ff-downloads');
  // Save without asking, into our folder.
  makeFirefoxProfile({
    'browser.safebrowsing.downloads.enabled': false, 'browser.download.folderList': 2,
    'browser.download.dir': ffDir, 'browser.download.useDownloadDir': true,
    'browser.download.always_ask_before_handling_new_types': false,
    'browser.helperApps.neverAsk.saveToDisk': 'application/octet-stream',
    'browser.download.start_downloads_in_tmp_dir': false, 'browser.download.alwaysOpenPanel': false,
    'browser.download.panel.shown': true,
  });
  const firefox = launch(FIREFOX, ['--headless', '--no-remote', '-P', 'default-esr', base + '/page/firefox']);
  let fd = [];
  while (Date.now() - started < DEADLINE_MS) {
    await sleep(1500);
    if (firefox.exited) { failures.push('Firefox ended early:\n' + firefox.errText()); break; }
    if (!seen.has('/file/firefox-slow.bin')) continue;
    report = runVisitrail();
    fd = downloadsOf(report, 'Mozilla Firefox');
    if (fd.length >= 2) break;
  }
  const fDone = byUrl(fd, 'firefox-done.bin'), fSlow = byUrl(fd, 'firefox-slow.bin');
  if (!fDone || !fSlow) {
    failures.push(`Firefox: expected two downloads, got ${JSON.stringify(fd)} (files: ${fs.readdirSync(ffDir)})`);
  } else {
    if (fDone[3] !== path.join(ffDir, 'firefox-done.bin')) failures.push(`Firefox complete download path ${fDone[3]}`);
    if (path.dirname(fSlow[3]) !== ffDir) failures.push(`Firefox unfinished download path ${fSlow[3]}`);
    // Size and state only when Firefox wrote them (its downloads view does).
    if (!(fDone[6] === '未知' && fDone[5] === -1) && !(fDone[6] === '完成' && fDone[5] === DONE_BYTES))
      failures.push(`Firefox complete download size/state ${fDone[5]} ${fDone[6]}`);
    log(`Firefox: ${JSON.stringify(fDone)} / ${JSON.stringify(fSlow)}`);
  }
  if (fs.readdirSync(path.join(home, 'vt-tmp')).length !== 0) failures.push('snapshot copies were left behind');

  if (failures.length) {
    console.log('FAIL\n' + failures.join('\n'));
    return 1;
  }
  log('Chromium: complete and cancelled downloads found; Firefox: both downloads found with path and address');
  return 0;
}

runMain(main);
