'use strict';
// The report page's download section, checked against the program itself:
// two users' Chromium stores with downloads (hostile file names and
// addresses among them) are read with /user:all into the page and into the
// JSON report. The section's rows, paging, search, sorting, browser and user
// selectors and its CSV export must agree with the JSON "downloads"; a page
// without downloads has no section at all.
//   node downloads.js <Visitrail executable>
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

const sq = h.sq;
const chromeTime = (unix) => (BigInt(unix) + 11644473600n) * 1000000n;
// A Chromium History with one visit and the given downloads:
// [chain of addresses, target path, unix start, state, received, total].
function chromeHistory(file, downloads) {
  fs.mkdirSync(path.dirname(file), { recursive: true });
  let sql = 'CREATE TABLE urls(id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR, visit_count INTEGER DEFAULT 0);\n' +
    'CREATE TABLE visits(id INTEGER PRIMARY KEY, url INTEGER NOT NULL, visit_time INTEGER NOT NULL);\n' +
    "INSERT INTO urls VALUES(1,'https://start.example/','Start',1);\n" +
    'INSERT INTO visits(url, visit_time) VALUES(1,' + chromeTime(1760000000) + ');\n' +
    'CREATE TABLE downloads (id INTEGER PRIMARY KEY,guid VARCHAR NOT NULL,current_path LONGVARCHAR NOT NULL,target_path LONGVARCHAR NOT NULL,' +
    'start_time INTEGER NOT NULL,received_bytes INTEGER NOT NULL,total_bytes INTEGER NOT NULL,state INTEGER NOT NULL,danger_type INTEGER NOT NULL,' +
    'end_time INTEGER NOT NULL,referrer VARCHAR NOT NULL,tab_url VARCHAR NOT NULL,mime_type VARCHAR(255) NOT NULL);\n' +
    'CREATE TABLE downloads_url_chains (id INTEGER NOT NULL,chain_index INTEGER NOT NULL,url LONGVARCHAR NOT NULL, PRIMARY KEY (id, chain_index));\nBEGIN;\n';
  downloads.forEach(([chain, target, unix, state, received, total], i) => {
    sql += 'INSERT INTO downloads VALUES(' + (i + 1) + ",'g" + i + "'," + sq(target) + ',' + sq(target) + ',' + chromeTime(unix) + ',' +
      received + ',' + total + ',' + state + ',0,' + chromeTime(unix + 2) + ",'','',' ');\n";
    chain.forEach((u, k) => { sql += 'INSERT INTO downloads_url_chains VALUES(' + (i + 1) + ',' + k + ',' + sq(u) + ');\n'; });
  });
  const r = spawnSync('sqlite3', [file], { input: sql + 'COMMIT;\n' });
  if (r.status !== 0) throw new Error('sqlite3: ' + r.stderr);
}

const HOSTILE = ['a,b.txt', 'say "hi".pdf', '=cmd.exe', '@SUM(1).csv', '-2,3.zip', '报告 😀.docx', 'x</script><!--<script>.bin'];
let clock = 1760000000;
function makeUsers(base) {
  const alice = path.join(base, 'Users', 'alice'), bob = path.join(base, 'Users', 'bob');
  const local = (home, rel) => path.join(home, 'AppData', 'Local', rel);
  const aliceDl = [], bobDl = [];
  for (let i = 0; i < 130; i++) {
    const name = HOSTILE[i % HOSTILE.length].replace('.', i + '.');
    aliceDl.push([['https://get.example/r?id=' + i, 'https://cdn.example.org/f/' + encodeURIComponent(name)], 'C:\\Users\\alice\\Downloads\\' + name,
      (clock -= 3677), [1, 2, 4, 0][i % 4], i * 1000, i % 4 === 1 ? 0 : i * 1000 + 7]);
  }
  for (let i = 0; i < 12; i++) bobDl.push([['https://bob.example.net/file' + i + '.iso'], '/home/bob/Downloads/file' + i + '.iso', (clock -= 3677), 1, i << 20, i << 20]);
  chromeHistory(local(alice, 'Google/Chrome/User Data/Default/History'), aliceDl);
  chromeHistory(local(bob, 'Microsoft/Edge/User Data/Default/History'), bobDl);
  return { alice, bob, counts: { alice: aliceDl.length, bob: bobDl.length } };
}

const run = (base, home, user, args) => h.runVisitrail(EXE, base, home, user, args);

// The CSV the page must save for some downloads: the visit export's rules.
function csvField(v) {
  let s = String(v);
  if (/^[=+\-@\t\r]/.test(s)) s = "'" + s;
  return /[",\r\n]/.test(s) ? '"' + s.replace(/"/g, '""') + '"' : s;
}
function csvOf(rows) {
  return '\ufeff时间,浏览器,配置,文件,网址,大小,状态\r\n' +
    rows.map((r) => [r[0], r[1], r[2], r[3], r[4], r[5] < 0 ? '' : String(r[5]), r[6]].map(csvField).join(',') + '\r\n').join('');
}

(async () => {
  const base = fs.mkdtempSync(path.join(require('os').tmpdir(), 'vt-dl-'));
  fs.mkdirSync(path.join(base, 'tmp'));
  const browser = await h.launch();
  let failed = false;
  try {
    const users = makeUsers(base);
    const json = JSON.parse(run(base, users.alice, 'alice', ['/user:all', '/format:json']));
    const all = json.downloads;
    assert.equal(all.length, users.counts.alice + users.counts.bob);
    run(base, users.alice, 'alice', ['/user:all', '/quiet', '/out:' + path.join(base, 'page.html')]);
    const html = h.withCsp(fs.readFileSync(path.join(base, 'page.html'), 'utf8'));
    const url = h.writePage(html);

    const ctx = await browser.newContext({ acceptDownloads: true });
    const page = await ctx.newPage();
    const problems = [];
    page.on('pageerror', (e) => problems.push('script error: ' + e.message));
    page.on('request', (r) => { if (r.url() !== url && !r.url().startsWith('blob:')) problems.push('request: ' + r.url()); });
    await page.goto(url);

    assert.equal(await page.locator('#downloads h2').innerText(), '下载记录');
    // The visit section comes first, the downloads right after it.
    assert.equal(await page.$eval('#visits', (v) => v.nextElementSibling.id), 'downloads');
    const count = () => page.locator('#dl-count').innerText();
    const rows = () => page.$$eval('#dl-rows tr', (trs) => trs.map((tr) => Array.from(tr.cells, (c) => c.innerText)));
    const exported = async () => {
      const [download] = await Promise.all([page.waitForEvent('download'), page.click('#dl-export-csv')]);
      assert.match(download.suggestedFilename(), /^Visitrail_Downloads_\d{8}_\d{6}\.csv$/);
      return fs.readFileSync(await download.path(), 'utf8');
    };

    // Newest first, paged by 100, markup shown as text.
    assert.equal(await count(), '共 142 个，当前筛选 142 个');
    let shown = await rows();
    assert.equal(shown.length, 100);
    assert.equal(shown[0][0], all[0][0]);
    assert.ok(shown[0][2].includes(all[0][3]), 'path under the file name');
    assert.equal(await page.locator('#dl-page-text').innerText(), '第 1 / 2 页');
    assert.ok(await page.locator('#dl-prev').isDisabled());
    await page.click('#dl-next');
    assert.equal((await rows()).length, 42);
    assert.ok(await page.locator('#dl-next').isDisabled());
    assert.equal(await page.$$eval('#dl-rows b, #dl-rows script', (e) => e.length), 0);
    const states = new Set(all.map((r) => r[6]));
    assert.deepEqual([...states].sort(), ['中断', '完成', '已取消', '进行中'].sort());

    // The whole list exports as the JSON holds it.
    assert.equal(await exported(), csvOf(all));

    // Selectors: users and browsers with their counts; views export alone.
    const options = (sel) => page.$$eval(sel + ' option', (os) => os.map((o) => o.textContent));
    assert.deepEqual(await options('#dl-user'), ['全部用户', 'alice（130）', 'bob（12）']);
    assert.deepEqual(await options('#dl-browser'), ['全部浏览器', 'Google Chrome（130）', 'Microsoft Edge（12）']);
    await page.selectOption('#dl-user', { label: 'bob（12）' });
    assert.equal(await count(), '共 142 个，当前筛选 12 个');
    assert.equal(await exported(), csvOf(all.filter((r) => r[2].startsWith('bob\\'))));
    await page.selectOption('#dl-user', { label: '全部用户' });
    await page.selectOption('#dl-browser', { label: 'Google Chrome（130）' });
    assert.equal(await count(), '共 142 个，当前筛选 130 个');

    // Search words on the path and the address, together with a selector.
    await page.fill('#dl-q', '  CDN.example   HI  ');
    const hits = all.filter((r) => r[1] === 'Google Chrome' && (r[3] + ' ' + r[4]).toLowerCase().includes('hi') && (r[3] + ' ' + r[4]).toLowerCase().includes('cdn.example'));
    assert.ok(hits.length > 0);
    assert.equal(await count(), '共 142 个，当前筛选 ' + hits.length + ' 个');
    assert.equal(await exported(), csvOf(hits));
    await page.click('#dl-clear');
    assert.deepEqual([await page.inputValue('#dl-q'), await page.inputValue('#dl-browser'), await page.inputValue('#dl-user')], ['', '', '']);

    // Sorting by size: ascending on the first click, unknown sizes first;
    // the export follows the table's order.
    await page.click('#downloads th[data-col="5"]');
    const bySize = all.map((r, i) => [r, i]).sort((a, b) => a[0][5] - b[0][5] || a[1] - b[1]).map((p) => p[0]);
    assert.equal(await exported(), csvOf(bySize));
    await page.click('#downloads th[data-col="0"]');
    assert.equal(await exported(), csvOf(all), 'time starts newest first');
    await page.click('#downloads th[data-col="0"]');
    assert.equal(await exported(), csvOf(all.slice().reverse()), 'time again: oldest first');
    // The visit table's own sort arrows are untouched by the download table.
    assert.equal(await page.$$eval('#visits th .dir', (d) => d.length), 1);

    if (problems.length) throw new Error(problems.join('; '));

    // A report without downloads has no section.
    const plain = h.fillTemplate(h.readTemplate()).split('__PROFILES__').join('{"of":[],"labels":[]}').split('__DOWNLOADS__').join('[]');
    const p2 = await ctx.newPage();
    await p2.goto(h.writePage(plain));
    assert.equal(await p2.locator('#downloads').count(), 0);
    assert.equal(await p2.locator('text=下载记录').count(), 0);
    console.log('ok   download section: rows, paging, search, sort, selectors and CSV match the program (' + all.length + ' downloads, two users)');
  } catch (e) {
    failed = true;
    console.log('FAIL download section\n     ' + String(e && e.stack || e).split('\n').join('\n     '));
  } finally {
    await browser.close();
    h.cleanup();
    fs.rmSync(base, { recursive: true, force: true });
  }
  process.exit(failed ? 1 : 0);
})();
