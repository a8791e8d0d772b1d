'use strict';
// The report page with a data text too long to parse whole before the first
// render: the summary and the first page of visits are shown from the text
// first, the whole object is parsed afterwards. Each case looks at the page
// the moment its count line is first set and again once DATA is read, and
// checks that the two agree, that what a reader did in between is applied,
// and that a text of an unexpected shape is parsed whole at once instead.
// Exit 0 all passed, 1 a failure, 77 skipped (no Chromium or no
// playwright-core).
const assert = require('assert/strict');
const h = require('./harness');

h.skipIfMissing();

const TPL = h.readTemplate();
const cases = [];
const test = (name, fn) => cases.push({ name, fn });

// Runs in the page before its own script. snap() is what a reader sees of
// the summary and the table. At the first count line the page is snapped,
// with whether DATA was still unread then, and the given actions are done
// in the same task, before the whole object can be parsed:
// ['fill', selector, text] types into a box, ['click', selector] clicks,
// ['scroll', selector, pixels] scrolls.
function watchFirstRender(actions) {
  const $ = (id) => document.getElementById(id);
  window.__snap = () => ({
    count: $('count').textContent,
    pageText: $('page-text').textContent,
    prev: $('prev').disabled,
    next: $('next').disabled,
    rows: Array.from(document.querySelectorAll('#rows tr'), (tr) => Array.from(tr.cells, (c) => c.textContent)),
    summary: ['meta', 'ver', 'figures', 'heat', 'days', 'domains', 'cats', 'pages', 'keywords', 'browsers', 'overview', 'sources']
      .map((id) => $(id).innerHTML),
  });
  const seen = new MutationObserver(() => {
    const count = $('count');
    if (!count || !count.textContent) return;
    seen.disconnect();
    window.__first = Object.assign(window.__snap(), { early: DATA === null, loading: document.readyState === 'loading' });
    for (const [what, sel, value] of actions) {
      const el = document.querySelector(sel);
      if (what === 'click') el.click();
      else if (what === 'scroll') el.scrollTop = value;
      else { el.value = value; el.dispatchEvent(new Event('input', { bubbles: true })); }
    }
  });
  seen.observe(document, { childList: true, subtree: true });
}

// Opens a filled page and waits until its whole object is read; returns the
// page with `first` (the snap at the first count line) and `last` (now).
async function open(ctx, fill, actions = []) {
  const page = await ctx.newPage();
  const url = h.writePage(h.fillTemplate(TPL, fill));
  page.problems = [];
  page.on('pageerror', (e) => page.problems.push('script error: ' + e.message));
  page.on('request', (r) => { if (r.url() !== url) page.problems.push('request: ' + r.url()); });
  await page.addInitScript(watchFirstRender, actions);
  await page.goto(url);
  await page.waitForFunction(() => DATA !== null && window.__first);
  await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => setTimeout(r))));
  page.first = await page.evaluate(() => window.__first);
  page.last = await page.evaluate(() => window.__snap());
  return page;
}

// Records long enough that `n` of them pass the page's size for an early
// first page (4,000,000 characters of data text), newest first.
function longRecords(n, seed) {
  const pad = ' — 会议纪要与周报汇总'.repeat(40);
  return h.makeRecords(n, seed).map((r) => [r[0], r[1], r[2] + pad, r[3]]);
}
const profilesOf = (records) => ({ of: records.map((r, i) => i % 3 === 2 ? 1 : 0), labels: ['alice\\Default', 'bob\\Default'] });
const fig = (n) => n.toLocaleString('en');
// The first page as the table shows it: time, browser, title and host, address.
const shown = (records) => records.map((r) => [r[0], r[1], (r[2] || '(无标题)') + (r[3].match(/^[A-Za-z]+:\/\/([^/?#]*)/) || ['', ''])[1], r[3]]);

test('first page and summary before the whole parse equal those after; DATA is the whole object', async (ctx) => {
  const records = longRecords(16000, 11);
  const data = h.realisticData(10);
  Object.assign(data, { total: records.length, records });
  const page = await open(ctx, { data, profiles: profilesOf(records) }, [['scroll', '#table-wrap', 300]]);
  assert.equal(page.first.early, true, 'the first page came from the whole parse');
  // The same first page after the whole parse: the rows scrolled stay.
  assert.equal(await page.$eval('#table-wrap', (w) => w.scrollTop), 300);
  assert.equal(page.first.count, '共 16,000 条，当前筛选 16,000 条');
  assert.equal(page.first.pageText, '第 1 / 160 页');
  assert.deepEqual(page.first.rows, shown(records.slice(0, 100)));
  assert.deepEqual(page.first, Object.assign({}, page.last, { early: true, loading: page.first.loading }));
  assert.equal(await page.evaluate(() => JSON.stringify(DATA)), JSON.stringify(data));
  // The table works as a whole one now: the last page holds the oldest visit.
  await page.evaluate(() => { for (let i = 0; i < 159; i++) document.getElementById('next').click(); });
  assert.equal(await page.locator('#page-text').innerText(), '第 160 / 160 页');
  assert.equal(await page.locator('#rows tr:last-child td.time').innerText(), records[15999][0]);
  return page;
});

test('a report still being read: the records are counted by the profile list', async (ctx) => {
  // Long enough that the parser hands over before it has read it all.
  // A search typed then waits all that time.
  const records = longRecords(20000, 12);
  const page = await open(ctx, { data: h.buildData({ total: 20000, records }), profiles: profilesOf(records) }, [['fill', '#q', 'MDN']]);
  assert.equal(page.first.early, true);
  assert.equal(page.first.count, '共 20,000 条，当前筛选 20,000 条');
  assert.equal(page.first.pageText, '第 1 / 200 页');
  assert.deepEqual(page.first.rows, shown(records.slice(0, 100)));
  const mdn = records.filter((r) => (r[2] + ' ' + r[3]).toLowerCase().includes('mdn'));
  assert.equal(page.last.count, '共 20,000 条，当前筛选 ' + fig(mdn.length) + ' 条');
  assert.deepEqual(page.last.rows, shown(mdn.slice(0, 100)));
  console.log('     (first page shown while the document was ' + (page.first.loading ? 'still loading' : 'loaded') + ')');
  // Selectors are filled once the whole list is read.
  await page.waitForFunction(() => document.getElementById('view-user').options.length === 3);
  return page;
});

test('record key and separator spelled in titles and in the summary do not mislead the cut', async (ctx) => {
  const tricky = 'x"records":[["a","b","c","d"],["e' + '"],["' + '"]]}';
  const records = longRecords(12000, 13);
  for (const i of [0, 1, 99, 100]) records[i][2] = tricky + i;
  records[2][3] = 'https://e.example/?q=' + encodeURIComponent(tricky) + '&raw=' + tricky;
  const data = h.buildData({ total: 12000, records, range: tricky, domains: [[tricky, 5]], pages: [['https://p.example/', tricky, 2]] });
  const page = await open(ctx, { data });
  assert.equal(page.first.early, true);
  assert.equal(page.first.count, '共 12,000 条，当前筛选 12,000 条');
  assert.deepEqual(page.first.rows, shown(records.slice(0, 100)));
  assert.deepEqual(page.first.rows, page.last.rows);
  assert.deepEqual(page.first.summary, page.last.summary);
  assert.match(page.first.summary[0], /records/);
  await page.click('#next');
  assert.equal((await page.locator('#rows tr td.title').first().innerText()).split('\n')[0], tricky + '100');
  return page;
});

test('a sampled list and an empty list: the count line is right from the first render', async (ctx) => {
  const records = longRecords(10000, 14);
  let page = await open(ctx, { data: h.buildData({ total: 987654, records }) });
  assert.equal(page.first.early, true);
  assert.equal(page.first.count, '明细为抽样：共 987,654 条访问中列出 10,000 条，当前筛选 10,000 条');
  assert.equal(page.first.pageText, '第 1 / 100 页');
  assert.deepEqual(page.first.rows, page.last.rows);
  assert.equal(page.last.count, page.first.count);
  if (page.problems.length) throw new Error(page.problems.join('; '));
  await page.close();

  // No records, but a long head (the title, which the page does not show).
  page = await open(ctx, { data: h.buildData({ total: 0, title: '标题'.repeat(2100000) }) });
  assert.equal(page.first.early, true);
  assert.equal(page.first.count, '共 0 条，当前筛选 0 条');
  assert.deepEqual(page.first.rows, [['没有匹配的记录']]);
  assert.equal(page.first.pageText, '第 1 / 1 页');
  assert.equal(page.first.next, true);
  assert.deepEqual(page.first, Object.assign({}, page.last, { early: true, loading: page.first.loading }));
  return page;
});

test('a text not of the expected shape is parsed whole before the first render', async (ctx) => {
  // Not newest first: the first page could not come from the list's head.
  const records = longRecords(12000, 15);
  [records[0], records[5]] = [records[5], records[0]];
  let page = await open(ctx, { data: h.buildData({ total: 12000, records }) });
  assert.equal(page.first.early, false);
  assert.equal(page.first.rows[0][0], records[5][0]);
  assert.deepEqual(page.first, Object.assign({}, page.last, { early: false, loading: page.first.loading }));
  if (page.problems.length) throw new Error(page.problems.join('; '));
  await page.close();

  // A record that is not four texts.
  const odd = longRecords(12000, 16);
  odd[3] = [odd[3][0], odd[3][1], 42, odd[3][3]];
  page = await open(ctx, { data: h.buildData({ total: 12000, records: odd }) });
  assert.equal(page.first.early, false);
  assert.equal(page.first.count, '共 12,000 条，当前筛选 12,000 条');
  assert.ok(page.first.rows[3][2].startsWith('42'), page.first.rows[3][2]);
  if (page.problems.length) throw new Error(page.problems.join('; '));
  await page.close();

  // A key after "records": the object does not end with the list.
  const data = h.buildData({ total: 12000, records: longRecords(12000, 17) });
  const tail = Object.assign({}, data, { after: 1 });
  page = await open(ctx, { data: tail });
  assert.equal(page.first.early, false);
  assert.equal(await page.evaluate(() => DATA.after), 1);
  return page;
});

test('search, sort, page turns and export asked for before the whole parse are applied after it', async (ctx) => {
  const records = longRecords(14000, 18);
  const has = (r, words) => words.every((w) => (r[2] + ' ' + r[3]).toLowerCase().includes(w));
  const hits = records.filter((r) => has(r, ['github', '报表']));
  assert.ok(hits.length > 0 && hits.length < 14000);

  let page = await open(ctx, { data: h.buildData({ total: 14000, records }) }, [['fill', '#q', 'GitHub  报表']]);
  assert.equal(page.first.early, true);
  assert.equal(await page.inputValue('#q'), 'GitHub  报表');
  assert.equal(page.last.count, '共 14,000 条，当前筛选 ' + fig(hits.length) + ' 条');
  assert.deepEqual(page.last.rows, shown(hits.slice(0, 100)));
  if (page.problems.length) throw new Error(page.problems.join('; '));
  await page.close();

  // Two page turns, then one back: the second page, as cut from the text
  // and after the whole parse.
  page = await open(ctx, { data: h.buildData({ total: 14000, records }) }, [['click', '#next'], ['click', '#next'], ['click', '#prev']]);
  assert.equal(page.last.pageText, '第 2 / 140 页');
  assert.deepEqual(page.last.rows, shown(records.slice(100, 200)));
  if (page.problems.length) throw new Error(page.problems.join('; '));
  await page.close();

  // Sorted by title, then typed into: both apply, the sort first.
  page = await open(ctx, { data: h.buildData({ total: 14000, records }) }, [['click', 'th[data-col="2"]'], ['fill', '#q', 'github']]);
  const github = records.filter((r) => has(r, ['github']));
  const sorted = await page.evaluate((rs) => { const c = new Intl.Collator('zh'); return rs.sort((a, b) => c.compare(a[2], b[2])); }, github);
  assert.equal(page.last.count, '共 14,000 条，当前筛选 ' + fig(github.length) + ' 条');
  assert.deepEqual(page.last.rows, shown(sorted.slice(0, 100)));
  assert.equal(await page.$eval('th[data-col="2"] .dir', (d) => d.textContent), '▲');
  if (page.problems.length) throw new Error(page.problems.join('; '));
  await page.close();

  // An export clicked early is saved once the list is read.
  const dctx = await ctx.browser().newContext({ acceptDownloads: true });
  try {
    const dpage = await dctx.newPage();
    await dpage.addInitScript(watchFirstRender, [['click', '#export-csv']]);
    const [download] = await Promise.all([dpage.waitForEvent('download'), dpage.goto(h.writePage(h.fillTemplate(TPL, { data: h.buildData({ total: 14000, records }) })))]);
    assert.equal(await dpage.evaluate(() => window.__first.early), true);
    const csv = require('fs').readFileSync(await download.path(), 'utf8');
    assert.equal(csv.split('\r\n').length - 2, 14000);
  } finally {
    await dctx.close();
  }
  return null;
});

h.runCases(cases);
