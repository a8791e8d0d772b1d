'use strict';
// The report page's views by browser and by user and its CSV export, checked
// against the program itself: two users' Chromium stores (one with hostile
// titles and addresses) are read with /user:all into the page, and the CSV
// the page saves for a view must be byte for byte the program's /format:csv
// for the same visits (one user alone, one browser alone, a search). The page
// runs under a Content-Security-Policy that allows no request at all.
//   node views.js <Visitrail executable>
// Exit 0 all passed, 1 a failure, 77 skipped (no Chromium, playwright-core or
// sqlite3 shell).
const assert = require('assert/strict');
const { spawnSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const h = require('./harness');

const EXE = process.argv[2];
const reason = h.missingReasonWithSqlite();
if (reason) {
  console.log('SKIPPED: ' + reason);
  process.exit(h.SKIP);
}

// ---- Stores ------------------------------------------------------------------
const sq = h.sq;
// A Chromium History with the two tables the reader queries; visits are
// [url, title, unix seconds].
function chromeHistory(file, visits) {
  fs.mkdirSync(path.dirname(file), { recursive: true });
  let sql = 'CREATE TABLE urls(id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR, visit_count INTEGER DEFAULT 0);\n' +
    'CREATE TABLE visits(id INTEGER PRIMARY KEY, url INTEGER NOT NULL, visit_time INTEGER NOT NULL);\nBEGIN;\n';
  visits.forEach(([url, title, unix], i) => {
    sql += 'INSERT INTO urls VALUES(' + (i + 1) + ',' + sq(url) + ',' + sq(title) + ',1);\n' +
      'INSERT INTO visits(url, visit_time) VALUES(' + (i + 1) + ',' + (BigInt(unix) + 11644473600n) * 1000000n + ');\n';
  });
  const r = spawnSync('sqlite3', [file], { input: sql + 'COMMIT;\n' });
  if (r.status !== 0) throw new Error('sqlite3: ' + r.stderr);
}

const HOSTILE = ['a,b', 'say "hi"', '=cmd|\' /C calc\'!A0', '@SUM(1)', '+1', '-2,3', 'emoji 😀👩‍💻 中文',
  'x'.repeat(300), '', 'x</script><!--<script>', 'news, "quoted" =1'];
// Distinct times for every visit: the merged list and each user's own list
// then have one order.
let clock = 1760000000;
const visit = (url, title) => [url, title, (clock -= 3677)];
function makeUsers(base) {
  const alice = path.join(base, 'Users', 'alice'), bob = path.join(base, 'Users', 'bob');
  const local = (home, rel) => path.join(home, 'AppData', 'Local', rel);
  const aliceChrome = [], aliceEdge = [], bobChrome = [];
  for (let i = 0; i < 60; i++) {
    const t = HOSTILE[i % HOSTILE.length];
    aliceChrome.push(visit(i % 4 ? 'https://news.example.org/a' + i + '?q=' + t : '=HYPERLINK("http://x' + i + '")', t + ' ' + i));
    if (i % 3 === 0) aliceEdge.push(visit('https://www.example.com/edge/' + i, 'Edge 页面 ' + i));
    bobChrome.push(visit('https://' + (i % 2 ? 'news' : 'mail') + '.example.net/b' + i, 'Bob 的页面 ' + i));
  }
  chromeHistory(local(alice, 'Google/Chrome/User Data/Default/History'), aliceChrome);
  chromeHistory(local(alice, 'Microsoft/Edge/User Data/Default/History'), aliceEdge);
  chromeHistory(local(bob, 'Google/Chrome/User Data/Default/History'), bobChrome);
  return { alice, bob, counts: { alice: aliceChrome.length + aliceEdge.length, bob: bobChrome.length, edge: aliceEdge.length } };
}

const run = (base, home, user, args) => h.runVisitrail(EXE, base, home, user, args);

// RFC 4180 records of a CSV text after its byte-order mark.
function parseCsv(s) {
  const rows = [];
  let row = [], field = '', i = 1, quoted = false;
  for (; i < s.length; i++) {
    const c = s[i];
    if (quoted) {
      if (c !== '"') field += c;
      else if (s[i + 1] === '"') { field += '"'; i++; } else quoted = false;
    } else if (c === '"') quoted = true;
    else if (c === ',') { row.push(field); field = ''; } else if (c === '\r' && s[i + 1] === '\n') { row.push(field); rows.push(row); row = []; field = ''; i++; } else field += c;
  }
  return rows;
}

// ---- The checks ----------------------------------------------------------------
(async () => {
  const base = fs.mkdtempSync(path.join(require('os').tmpdir(), 'vt-views-'));
  fs.mkdirSync(path.join(base, 'tmp'));
  const browser = await h.launch();
  let failed = false;
  try {
    const users = makeUsers(base);
    const cli = (home, user, args) => run(base, home, user, args.concat(['/format:csv']));
    const want = {
      all: cli(users.alice, 'alice', ['/user:all']),
      alice: cli(users.alice, 'alice', []),
      bob: cli(users.bob, 'bob', []),
      edge: cli(users.alice, 'alice', ['/user:all', '/src:edge']),
      aliceChrome: cli(users.alice, 'alice', ['/src:chrome']),
      aliceNews: cli(users.alice, 'alice', ['/include:news']),
    };
    run(base, users.alice, 'alice', ['/user:all', '/quiet', '/out:' + path.join(base, 'page.html')]);
    const html = h.withCsp(fs.readFileSync(path.join(base, 'page.html'), 'utf8'));
    const url = h.writePage(html);

    const ctx = await browser.newContext({ acceptDownloads: true });
    const page = await ctx.newPage();
    const problems = [];
    page.on('pageerror', (e) => problems.push('script error: ' + e.message));
    page.on('console', (m) => { if (/Content.Security.Policy|Refused/i.test(m.text())) problems.push('console: ' + m.text()); });
    page.on('request', (r) => { if (r.url() !== url && !r.url().startsWith('blob:')) problems.push('request: ' + r.url()); });
    await page.goto(url);

    const exported = async () => {
      const [download] = await Promise.all([page.waitForEvent('download'), page.click('#export-csv')]);
      assert.match(download.suggestedFilename(), /^Visitrail_Report_\d{8}_\d{6}\.csv$/);
      return fs.readFileSync(await download.path());
    };
    const lines = (csv) => parseCsv(csv.toString('utf8')).length - 1;
    const select = async (browserName, user) => {
      await page.selectOption('#view-browser', { label: browserName });
      await page.selectOption('#view-user', { label: user });
    };
    const check = async (name, csv) => {
      // Bytes, not texts: the byte-order mark and the encoding count too.
      const got = await exported();
      if (!got.equals(csv)) assert.equal(got.toString('latin1'), csv.toString('latin1'), name + ': the page\'s export differs from the program\'s CSV');
      assert.equal(await page.locator('#count').innerText(), '共 ' + lines(want.all) + ' 条，当前筛选 ' + lines(csv) + ' 条', name);
    };

    // The selectors list what the visits hold, with their counts.
    const options = (sel) => page.$$eval(sel + ' option', (os) => os.map((o) => o.textContent));
    assert.deepEqual(await options('#view-user'), ['全部用户', 'alice（' + users.counts.alice + '）', 'bob（' + users.counts.bob + '）']);
    assert.deepEqual(await options('#view-browser'),
      ['全部浏览器', 'Google Chrome（' + (users.counts.alice + users.counts.bob - users.counts.edge) + '）', 'Microsoft Edge（' + users.counts.edge + '）']);

    await check('everything', want.all);
    assert.equal(lines(want.all), users.counts.alice + users.counts.bob);
    // Hostile texts went through: quoted fields, guarded formulas, 300-unit titles.
    const allText = want.all.toString('utf8');
    assert.match(allText, /,"'=HYPERLINK\(""http:\/\/x0""\)"\r\n/);
    assert.match(allText, /,'@SUM\(1\) 3,/);
    assert.ok(allText.includes(',' + 'x'.repeat(300) + ','));  // titles are kept to 300 units

    await select('全部浏览器', 'alice（' + users.counts.alice + '）');
    await check('alice alone', want.alice);
    let shown = await page.$$eval('#rows tr td.title', (tds) => tds.map((t) => t.innerText));
    assert.ok(shown.length > 0 && shown.every((t) => !t.startsWith('Bob 的页面')), 'bob in alice\'s view');
    await select('全部浏览器', 'bob（' + users.counts.bob + '）');
    await check('bob alone', want.bob);
    shown = await page.$$eval('#rows tr td.title', (tds) => tds.map((t) => t.innerText));
    assert.ok(shown.length === users.counts.bob && shown.every((t) => t.startsWith('Bob 的页面')), 'others in bob\'s view');
    await select('Microsoft Edge（' + users.counts.edge + '）', '全部用户');
    await check('Edge alone', want.edge);
    await select('Google Chrome（' + (users.counts.alice + users.counts.bob - users.counts.edge) + '）', 'alice（' + users.counts.alice + '）');
    await check('alice in Chrome', want.aliceChrome);

    // Search words apply together with the selectors.
    await select('全部浏览器', 'alice（' + users.counts.alice + '）');
    await page.fill('#q', 'NEWS');
    await check('alice searching news', want.aliceNews);
    await page.fill('#q', '');
    await select('全部浏览器', '全部用户');

    // "清除筛选" clears the search words and the selectors.
    await select('全部浏览器', 'bob（' + users.counts.bob + '）');
    await page.fill('#q', 'b1');
    await page.click('#clear');
    assert.deepEqual([await page.inputValue('#q'), await page.inputValue('#view-browser'), await page.inputValue('#view-user')], ['', '', '']);
    assert.equal(await page.locator('#count').innerText(), '共 ' + lines(want.all) + ' 条，当前筛选 ' + lines(want.all) + ' 条');

    // The export follows the table's order: sorted by title, the first page
    // of the table is the export's first hundred rows.
    await page.click('th[data-col="2"]');
    const rows = parseCsv((await exported()).toString('utf8')).slice(1);
    const titles = await page.$$eval('#rows tr td.title', (tds) => tds.map((t) => t.firstChild ? t.firstChild.textContent : ''));
    assert.deepEqual(rows.slice(0, titles.length).map((r) => r[3].replace(/^'(?=[=+\-@\t\r])/, '') || '(无标题)'), titles);
    assert.equal(rows.length, lines(want.all));

    if (problems.length) throw new Error(problems.join('; '));
    console.log('ok   page views and CSV export match the program (' + lines(want.all) + ' visits, two users)');
  } catch (e) {
    failed = true;
    console.log('FAIL page views and CSV export\n     ' + String(e && e.stack || e).split('\n').join('\n     '));
  } finally {
    await browser.close();
    h.cleanup();
    fs.rmSync(base, { recursive: true, force: true });
  }
  process.exit(failed ? 1 : 0);
})();
