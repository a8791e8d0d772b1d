'use strict';
// Checks of the report page in headless Chromium. Each case fills the page the
// way the HTML writer does, opens it from a file and looks at what a reader
// sees. Exit 0 all passed, 1 a failure, 77 skipped (no Chromium or no
// playwright-core).
const assert = require('assert/strict');
const h = require('./harness');

h.skipIfMissing();

const TPL = h.readTemplate();
const cases = [];
const test = (name, fn) => cases.push({ name, fn });

// Opens a filled page; fails the case on any script error, dialog or request
// that is not the page file itself.
async function open(ctx, fill, colorScheme = 'light') {
  const page = await ctx.newPage();
  const url = h.writePage(h.fillTemplate(TPL, fill));
  page.problems = [];
  page.on('pageerror', (e) => page.problems.push('script error: ' + e.message));
  page.on('dialog', (d) => { page.problems.push('dialog: ' + d.message()); d.dismiss().catch(() => {}); });
  page.on('request', (r) => { if (r.url() !== url) page.problems.push('request: ' + r.url()); });
  await page.emulateMedia({ colorScheme });
  await page.goto(url);
  return page;
}
// Closes a page before the case goes on with another one.
async function close(page) {
  if (page.problems.length) throw new Error(page.problems.join('; '));
  await page.close();
}
const text = (page, sel) => page.locator(sel).first().innerText();
const bodyRows = (page) => page.$$eval('#rows tr', (trs) => trs.map((tr) => Array.from(tr.cells, (c) => c.innerText)));
const search = (page, value) => page.fill('#q', value);
const rec = (time, browser, title, url) => [time, browser, title, url];

test('template: placeholders and no outside resources', async () => {
  const count = (w) => TPL.split(w).length - 1;
  assert.equal(count('__TITLE__'), 2);
  assert.equal(count('__COMPANY__'), 2);
  assert.equal(count('__HOMEPAGE__'), 1);
  assert.equal(count('const DATA = __DATA__;'), 1);
  assert.equal(count('__DATA__'), 1);
  assert.doesNotMatch(TPL, /<link\b|<img\b|<iframe\b|@import|\bsrc\s*=|fetch\(|XMLHttpRequest|WebSocket|EventSource/i);
  assert.doesNotMatch(TPL, /\burl\(/); // CSS url(); the script's new URL() only parses
});

test('empty history: no rows, one page, both pager buttons off', async (ctx) => {
  const page = await open(ctx, { data: h.buildData() });
  assert.equal(await text(page, '#rows td.none'), '没有匹配的记录');
  assert.equal(await page.locator('#rows td.none').getAttribute('colspan'), '4');
  assert.equal(await text(page, '#page-text'), '第 1 / 1 页');
  assert.equal(await page.isDisabled('#prev'), true);
  assert.equal(await page.isDisabled('#next'), true);
  assert.equal(await text(page, '#count'), '共 0 条，当前筛选 0 条');
  assert.equal(await text(page, '#days'), '暂无数据');
  for (const id of ['#domains', '#pages', '#keywords', '#browsers', '#sources']) assert.equal(await text(page, id), '暂无数据', id);
  assert.match(await text(page, '#cats'), /暂无数据/);
  assert.equal(await page.$eval('#cats .ring', (e) => e.getAttribute('style')), null);
  assert.equal(await text(page, '#figures .card:nth-child(5) .fig-value'), '—');
  assert.match(await text(page, '#overview'), /数据源\s*0 个（有效 0）[\s\S]*异常源\s*无[\s\S]*活跃天数\s*0 天[\s\S]*日均访问\s*0 次/);
  return page;
});

test('header, figures, footer and title escaping', async (ctx) => {
  const data = h.buildData({ total: 1234567, uniqueUrl: 4321, uniqueDomain: 88, activeDays: 30, peakText: '周三 9:00' });
  const page = await open(ctx, { title: 'A & B <报告>', company: 'Acme "工作室"', homepage: 'https://acme.example/?a=1&b=2', data });
  assert.equal(await page.title(), 'A & B <报告>');
  assert.equal(await text(page, 'h1'), 'A & B <报告>');
  assert.equal(await text(page, '#meta'), '全部历史（2026-01-01 至 2026-11-20）\u3000·\u3000当前用户 tester\u3000·\u3000生成于 2026-11-20 09:30');
  assert.equal(await text(page, '#ver'), 'Visitrail v1.1.4');
  const figs = await page.$$eval('#figures .card', (cs) => cs.map((c) => c.innerText.replace(/\s+/g, ' ').trim()));
  assert.deepEqual(figs, ['1,234,567 总访问次数', '4,321 独立网址', '88 独立域名', '30 活跃天数', '周三 9:00 最活跃时段']);
  assert.equal(await page.getAttribute('meta[name=author]', 'content'), 'Acme "工作室"');
  assert.equal(await page.getAttribute('meta[name=generator]', 'content'), 'Visitrail');
  assert.equal(await page.getAttribute('html', 'lang'), 'zh-CN');
  const link = page.locator('footer a');
  assert.equal(await link.innerText(), 'Acme "工作室"');
  assert.equal(await link.getAttribute('href'), 'https://acme.example/?a=1&b=2');
  assert.equal(await link.getAttribute('target'), '_blank');
  assert.equal(await link.getAttribute('rel'), 'noopener noreferrer');
  assert.match(await text(page, 'footer'), /由 Visitrail v1\.1\.4（2026-11-19）生成/);
  // The data statement stays readable as it was: a global DATA with the object.
  assert.equal(await page.evaluate(() => DATA.total), 1234567);
  // Average per active day: 1234567 / 30 rounded.
  assert.match(await text(page, '#overview'), /日均访问\s*41,152 次/);
  return page;
});

test('250 records: three pages, next off on the last', async (ctx) => {
  const records = h.makeRecords(250);
  const page = await open(ctx, { data: h.buildData({ total: 250, records }) });
  assert.equal((await bodyRows(page)).length, 100);
  assert.equal(await text(page, '#page-text'), '第 1 / 3 页');
  assert.equal(await page.isDisabled('#prev'), true);
  await page.click('#next');
  await page.click('#next');
  assert.equal(await text(page, '#page-text'), '第 3 / 3 页');
  assert.equal(await page.isDisabled('#next'), true);
  assert.equal(await page.isDisabled('#prev'), false);
  const rows = await bodyRows(page);
  assert.equal(rows.length, 50);
  assert.equal(rows[49][0], records[249][0]);
  await page.click('#prev');
  assert.equal(await text(page, '#page-text'), '第 2 / 3 页');
  // A new search goes back to the first page.
  await search(page, 'https');
  assert.equal(await text(page, '#page-text'), '第 1 / 3 页');
  return page;
});

test('search: several words, any case, title or address; clear', async (ctx) => {
  const records = [
    rec('2026-11-19 10:00:05', 'Firefox', 'Alpha 报告', 'https://example.com/beta'),
    rec('2026-11-19 10:00:04', 'Firefox', 'ALPHA only', 'https://example.com/x'),
    rec('2026-11-19 10:00:03', 'Firefox', 'Beta only', 'https://example.com/y'),
    rec('2026-11-19 10:00:02', 'Firefox', 'beta and alpha', 'https://example.com/z'),
    rec('2026-11-19 10:00:01', 'Firefox', '', 'https://ALPHA.example/BETA'),
  ];
  const page = await open(ctx, { data: h.buildData({ total: 5, records }) });
  await search(page, '  aLpHa     BeTa  ');
  const rows = await bodyRows(page);
  assert.deepEqual(rows.map((r) => r[0]), ['2026-11-19 10:00:05', '2026-11-19 10:00:02', '2026-11-19 10:00:01']);
  assert.equal(await text(page, '#count'), '共 5 条，当前筛选 3 条');
  assert.equal(rows[2][2], '(无标题)\nALPHA.example');
  await search(page, 'alpha zzz');
  assert.equal(await text(page, '#rows td.none'), '没有匹配的记录');
  await page.click('#clear');
  assert.equal(await page.inputValue('#q'), '');
  assert.equal((await bodyRows(page)).length, 5);
  return page;
});

test('search: typing on, deleting and sorting mid-search keep the right matches', async (ctx) => {
  const records = h.makeRecords(400, 3);
  const page = await open(ctx, { data: h.buildData({ total: 400, records }) });
  const matches = (query) => {
    const pieces = query.trim().toLowerCase().split(/\s+/).filter(Boolean);
    return records.filter((r) => pieces.every((p) => (r[2] + ' ' + r[3]).toLowerCase().includes(p))).length;
  };
  const shown = async () => Number((await text(page, '#count')).match(/当前筛选 ([\d,]+) 条/)[1].replace(/,/g, ''));
  await page.click('#q');
  for (const ch of 'co 报') {
    await page.keyboard.type(ch);
    assert.equal(await shown(), matches(await page.inputValue('#q')), await page.inputValue('#q'));
  }
  await page.click('th[data-col="2"]');
  await page.keyboard.press('End');
  await page.keyboard.type('表');
  assert.equal(await shown(), matches('co 报表'));
  assert.ok(matches('co 报表') > 0 && matches('co 报表') < matches('co 报') && matches('co 报') < matches('c'));
  for (let i = 0; i < 4; i++) {
    await page.keyboard.press('Backspace');
    assert.equal(await shown(), matches(await page.inputValue('#q')), await page.inputValue('#q'));
  }
  await page.keyboard.type('M');
  assert.equal(await page.inputValue('#q'), 'cM');
  assert.equal(await shown(), matches('cm'));
  return page;
});

test('a large report: first page at once, then search and selectors', async (ctx) => {
  // Above 20,000 records the selectors and the search texts are prepared
  // after the first page is shown; a search typed before that still counts
  // every record.
  const records = h.makeRecords(25000, 5);
  const page = await open(ctx, { data: h.buildData({ total: 25000, records }) });
  assert.equal(await text(page, '#page-text'), '第 1 / 250 页');
  assert.equal((await bodyRows(page))[0][0], records[0][0]);
  const has = (r, words) => words.every((w) => (r[2] + ' ' + r[3]).toLowerCase().includes(w));
  await search(page, 'GitHub 报表');
  const hits = records.filter((r) => has(r, ['github', '报表']));
  assert.ok(hits.length > 0 && hits.length < 25000);
  assert.equal(await text(page, '#count'), '共 25,000 条，当前筛选 ' + hits.length.toLocaleString('en') + ' 条');
  await page.waitForFunction(() => document.getElementById('view-browser').options.length > 1);
  const browser = hits[0][1];
  const all = records.filter((r) => r[1] === browser).length;
  assert.ok(await page.locator('#view-browser option', { hasText: browser + '（' + all.toLocaleString('en') + '）' }).count() === 1);
  await page.selectOption('#view-browser', { label: browser + '（' + all.toLocaleString('en') + '）' });
  const both = hits.filter((r) => r[1] === browser).length;
  assert.equal(await text(page, '#count'), '共 25,000 条，当前筛选 ' + both.toLocaleString('en') + ' 条');
  return page;
});

test('sorting: time reverses, titles by Chinese collation both ways', async (ctx) => {
  const titles = ['中国', 'beta', '阿里巴巴', 'Alpha', '北京', '', 'zeta'];
  const records = titles.map((t, i) => rec('2026-11-1' + (9 - i) + ' 08:00:00', 'Edge', t, 'https://s' + i + '.example/'));
  const page = await open(ctx, { data: h.buildData({ total: records.length, records }) });
  const firstCol = async (k) => (await bodyRows(page)).map((r) => r[k]);
  assert.deepEqual(await firstCol(0), records.map((r) => r[0]));
  await page.click('th[data-col="0"]');
  assert.deepEqual(await firstCol(0), records.map((r) => r[0]).reverse());
  const expected = await page.evaluate((ts) => ts.slice().sort(new Intl.Collator('zh').compare), titles);
  assert.equal(expected.indexOf('阿里巴巴') < expected.indexOf('北京') && expected.indexOf('北京') < expected.indexOf('中国'), true);
  const titleOf = (cell) => cell.split('\n')[0].replace('(无标题)', '');
  await page.click('th[data-col="2"]');
  assert.deepEqual((await firstCol(2)).map(titleOf), expected);
  await page.click('th[data-col="2"]');
  assert.deepEqual((await firstCol(2)).map(titleOf), expected.slice().reverse());
  // Another column starts ascending; the time column starts newest first.
  // Equal browser names keep the list order in both directions.
  await page.click('th[data-col="1"]');
  assert.deepEqual(await firstCol(0), records.map((r) => r[0]));
  await page.click('th[data-col="1"]');
  assert.deepEqual(await firstCol(0), records.map((r) => r[0]));
  await page.click('th[data-col="0"]');
  assert.deepEqual(await firstCol(0), records.map((r) => r[0]));
  assert.equal(await page.$eval('th[data-col="0"] .dir', (d) => d.textContent), '▼');
  await close(page);

  // A list that is not newest first is still shown newest first; equal times
  // keep their list order.
  const mixed = [rec('2026-01-02 00:00:00', 'A', 'x', 'u1'), rec('2026-03-01 00:00:00', 'A', 'y', 'u2'),
    rec('2026-01-02 00:00:00', 'B', 'z', 'u3'), rec('2025-12-31 23:59:59', 'A', 'w', 'u4')];
  const page2 = await open(ctx, { data: h.buildData({ total: 4, records: mixed }) });
  assert.deepEqual((await bodyRows(page2)).map((r) => r[3]), ['u2', 'u1', 'u3', 'u4']);
  await page2.click('th[data-col="0"]');
  assert.deepEqual((await bodyRows(page2)).map((r) => r[3]), ['u4', 'u1', 'u3', 'u2']);
  return page2;
});

test('sampled visit list says so and still counts the full total', async (ctx) => {
  const page = await open(ctx, { data: h.buildData({ total: 5000, records: h.makeRecords(50) }) });
  assert.equal(await text(page, '#count'), '明细为抽样：共 5,000 条访问中列出 50 条，当前筛选 50 条');
  assert.equal(await text(page, '#page-text'), '第 1 / 1 页');
  await close(page);
  // Every visit listed: no word of sampling.
  const whole = await open(ctx, { data: h.buildData({ total: 50, records: h.makeRecords(50) }) });
  assert.equal(await text(whole, '#count'), '共 50 条，当前筛选 50 条');
  return whole;
});

test('markup in data is shown as text everywhere', async (ctx) => {
  // Right-to-left override and zero-width characters stay plain characters too.
  const evil = '<b>bold</b> & "q" \'a\' \u202e<img src=x onerror="window.__pwned=1">\u200b';
  const data = h.buildData({
    total: 1, domains: [[evil, 3]], pages: [['https://e.example/' + evil, evil, 2]], keywords: [[evil, 1]],
    browsers: [[evil, 1]], cats: [[evil, 1, '#123456']],
    sources: [{ name: evil, profile: evil, path: evil, status: evil, state: 'ok', count: 1, msg: evil, ok: false }],
    records: [rec('2026-11-19 10:00:00', evil, evil, 'https://e.example/<b>x</b>')],
    range: evil, scope: evil, peakText: evil,
  });
  const page = await open(ctx, { title: evil, data });
  assert.equal(await page.locator('b, img').count(), 0);
  assert.equal(await text(page, '#rows td.title'), evil + '\ne.example');
  assert.equal(await text(page, '#domains .rank-key'), evil);
  assert.equal(await page.locator('#domains li').getAttribute('title'), evil);
  assert.equal(await text(page, '#sources .badge'), evil);
  assert.equal(await page.locator('#sources .src-name').getAttribute('title'), evil);
  assert.equal(await text(page, 'h1'), evil);
  assert.equal(await page.evaluate(() => window.__pwned), undefined);
  return page;
});

test('activity grid: zero heat and the colour formula', async (ctx) => {
  let page = await open(ctx, { data: h.buildData() });
  const cells = () => page.$$eval('#heat .c', (cs) => cs.map((c) => [getComputedStyle(c).backgroundColor, c.style.background, c.title]));
  let all = await cells();
  assert.equal(all.length, 168);
  assert.ok(all.every(([bg]) => bg === 'rgb(238, 242, 255)'), 'every cell has the chip colour');
  assert.equal(all[0][2], '周日 0:00 — 0 次');
  const hours = await page.$$eval('#heat .hh', (hs) => hs.map((x) => x.textContent));
  assert.deepEqual(hours, Array.from({ length: 24 }, (_, i) => (i % 2 ? '' : String(i))));
  await close(page);

  const heat = Array.from({ length: 7 }, () => new Array(24).fill(0));
  heat[3][9] = 100; heat[6][23] = 25; heat[0][1] = 1;
  page = await open(ctx, { data: h.buildData({ heat }) });
  all = await cells();
  assert.equal(all[3 * 24 + 9][1], 'rgb(59, 110, 246)'); // t = 1.00
  assert.equal(all[6 * 24 + 23][2], '周六 23:00 — 25 次');
  const t = (v) => (0.12 + 0.88 * Math.pow(v / 100, 0.55)).toFixed(2);
  const style = await page.$$eval('#heat .c', (cs) => [cs[6 * 24 + 23].getAttribute('style'), cs[1].getAttribute('style')]);
  assert.deepEqual(style, ['background:rgba(59,110,246,' + t(25) + ')', 'background:rgba(59,110,246,' + t(1) + ')']);
  assert.equal(await page.$eval('.heat-legend', (l) => l.textContent), '少多');
  assert.equal(await page.locator('.heat-legend i').count(), 4);
  return page;
});

test('category ring: one category fills it; proportions', async (ctx) => {
  let page = await open(ctx, { data: h.buildData({ cats: [['其他', 3, '#7c8798']] }) });
  assert.equal(await page.$eval('#cats .ring', (e) => e.getAttribute('style')), 'background:conic-gradient(#7c8798 0.00% 100.00%)');
  assert.match(await text(page, '#cats'), /3\s*次访问[\s\S]*其他\s*3/);
  await close(page);
  page = await open(ctx, { data: h.buildData({ cats: [['开发技术', 2, '#3b6ef6'], ['购物', 1, '#ec4899'], ['坏颜色', 0, 'red;background:url(x)']] }) });
  assert.equal(await page.$eval('#cats .ring', (e) => e.getAttribute('style')),
    'background:conic-gradient(#3b6ef6 0.00% 66.67%,#ec4899 66.67% 100.00%,#7c8798 100.00% 100.00%)');
  return page;
});

test('sources: badges, failure messages and overview', async (ctx) => {
  const src = (name, profile, status, count, ok, msg = '') => ({ name, profile, path: 'C:\\p\\' + name, status, state: '', count, msg, ok });
  const data = h.buildData({
    total: 12, activeDays: 5,
    sources: [src('Google Chrome', 'Default', '已采集', 12, true), src('Brave', 'Default', '无记录', 0, true),
      src('Firefox', 'x.default', '数据库被占用', 0, false, '文件被占用（错误 32）')],
  });
  const page = await open(ctx, { data });
  const badges = await page.$$eval('#sources .badge', (bs) => bs.map((b) => [b.className, b.textContent]));
  assert.deepEqual(badges, [['badge ok', '已采集'], ['badge none', '无记录'], ['badge bad', '数据库被占用']]);
  assert.equal(await text(page, '#sources .src-msgs'), '· Firefox（x.default）：文件被占用（错误 32）');
  assert.equal(await page.locator('#sources .src-name').first().getAttribute('title'), 'C:\\p\\Google Chrome');
  assert.match(await text(page, '#overview'), /数据源\s*3 个（有效 1）[\s\S]*异常源\s*1 个[\s\S]*活跃天数\s*5 天[\s\S]*日均访问\s*2 次/);
  const bad = await page.$eval('#sources .badge.bad', (b) => getComputedStyle(b).color);
  assert.equal(bad, 'rgb(179, 38, 30)');
  return page;
});

test('script end tags and comment openers in titles do not break the page', async (ctx) => {
  const records = [
    rec('2026-11-19 10:00:02', 'Edge', 'x</script><script>window.__pwned=1</script>', 'https://a.example/'),
    rec('2026-11-19 10:00:01', 'Edge', 'y<!--<script>', 'https://b.example/<!--<script>'),
  ];
  const page = await open(ctx, { data: h.buildData({ total: 2, records, keywords: [['<!--<script>', 1]] }) });
  const rows = await bodyRows(page);
  assert.equal(rows.length, 2);
  assert.equal(rows[0][2], 'x</script><script>window.__pwned=1</script>\na.example');
  assert.equal(rows[1][2], 'y<!--<script>\nb.example');
  assert.equal(await page.evaluate(() => window.__pwned), undefined);
  // No element was injected: the data's own element and the page's script.
  assert.equal(await page.locator('script[type="text/plain"]').count(), 1);
  assert.equal(await page.locator('script:not([type="application/json"]):not([type="text/plain"])').count(), 1);
  return page;
});

test('only web and file addresses become links', async (ctx) => {
  const records = [
    rec('2026-11-19 10:00:06', 'Edge', 'js', 'javascript:window.__pwned=1;alert(1)'),
    rec('2026-11-19 10:00:05', 'Edge', 'data', 'data:text/html,<script>alert(1)</script>'),
    rec('2026-11-19 10:00:04', 'Edge', 'spaced js', ' JavaScript:window.__pwned=2'),
    rec('2026-11-19 10:00:03', 'Edge', 'web', 'HTTPS://Example.COM/a?b=1&c=2'),
    rec('2026-11-19 10:00:02', 'Edge', 'ftp', 'ftp://files.example/x'),
    rec('2026-11-19 10:00:01', 'Edge', 'file', 'file:///C:/Users/a/b.html'),
    rec('2026-11-19 10:00:00', 'Edge', 'ext', 'chrome-extension://abc/popup.html'),
  ];
  const page = await open(ctx, { data: h.buildData({ total: 7, records }) });
  const links = await page.$$eval('#rows a', (as) => as.map((a) => [a.getAttribute('href'), a.target, a.rel, a.title]));
  assert.deepEqual(links, [
    ['HTTPS://Example.COM/a?b=1&c=2', '_blank', 'noopener noreferrer', 'HTTPS://Example.COM/a?b=1&c=2'],
    ['ftp://files.example/x', '_blank', 'noopener noreferrer', 'ftp://files.example/x'],
    ['file:///C:/Users/a/b.html', '_blank', 'noopener noreferrer', 'file:///C:/Users/a/b.html'],
  ]);
  const rows = await bodyRows(page);
  assert.equal(rows[0][3], 'javascript:window.__pwned=1;alert(1)');
  assert.equal(rows[1][3], 'data:text/html,<script>alert(1)</script>');
  assert.equal(rows[3][2], 'web\nExample.COM');
  assert.equal(rows[6][2], 'ext');
  for (let i = 0; i < 3; i++) await page.locator('#rows td.url span').nth(i).click();
  assert.equal(await page.evaluate(() => window.__pwned), undefined);
  // Plain-text addresses stay searchable and sortable.
  await search(page, 'javascript:');
  assert.equal((await bodyRows(page)).length, 2);
  await page.click('#clear');
  await page.click('th[data-col="3"]');
  const sorted = await page.evaluate((as) => as.sort(new Intl.Collator('zh').compare), records.map((r) => r[3]));
  assert.deepEqual((await bodyRows(page)).map((r) => r[3]), sorted.map((a) => a.trim()));
  return page;
});

test('ranked lists: clicking a domain or page filters the table', async (ctx) => {
  const data = h.realisticData(600);
  const page = await open(ctx, { data });
  const domain = data.domains[1][0];
  await page.locator('#domains li').nth(1).click();
  assert.equal(await page.inputValue('#q'), domain);
  const expected = data.records.filter((r) => (r[2] + ' ' + r[3]).toLowerCase().includes(domain.toLowerCase())).length;
  assert.equal(await text(page, '#count'), '共 600 条，当前筛选 ' + expected + ' 条');
  const rows = await bodyRows(page);
  assert.ok(rows.length > 0 && rows.every((r) => (r[2] + r[3]).includes(domain)));
  await page.waitForFunction(() => document.getElementById('visits').getBoundingClientRect().top < 50);
  await page.locator('#pages li').nth(2).click();
  assert.equal(await page.inputValue('#q'), data.pages[2][0]);
  // Keyword and browser rows do nothing.
  await page.locator('#keywords li').first().click();
  await page.locator('#browsers li').first().click();
  assert.equal(await page.inputValue('#q'), data.pages[2][0]);
  return page;
});

test('ranked lists: shared page titles show their host; bars and counts', async (ctx) => {
  const data = h.buildData({
    domains: [['github.com', 1200], ['(本地/其他)', 3]],
    pages: [['https://a.example/1', '同名页面', 9], ['https://b.example:8080/2', '同名页面', 4], ['https://c.example/3', '', 2], ['not a url', '同名页面', 1]],
  });
  const page = await open(ctx, { data });
  const keys = await page.$$eval('#pages .rank-key', (ks) => ks.map((k) => Array.from(k.childNodes, (n) => n.textContent).join(' ')));
  assert.deepEqual(keys, ['同名页面 a.example', '同名页面 b.example', 'https://c.example/3', '同名页面']);
  assert.equal(await text(page, '#domains li .rank-count'), '1,200');
  const widths = await page.$$eval('#domains .rank-bar', (bs) => bs.map((b) => b.style.width));
  assert.deepEqual(widths, ['100%', '2%']);
  assert.equal(await page.locator('#domains li').nth(1).getAttribute('data-q'), encodeURIComponent('(本地/其他)'));
  return page;
});

test('day trend: bars, tooltips and axis', async (ctx) => {
  const page = await open(ctx, { data: h.buildData({ days: [['2026-11-01', 10], ['2026-11-08', 0], ['2026-11-15', 5]] }) });
  const bars = await page.$$eval('#days .bar', (bs) => bs.map((b) => [b.style.height, b.title]));
  assert.deepEqual(bars, [['100%', '2026-11-01 — 10 次'], ['3%', '2026-11-08 — 0 次'], ['50%', '2026-11-15 — 5 次']]);
  const labels = await page.$$eval('#days-axis span', (ss) => ss.map((s) => s.textContent));
  assert.equal(labels[0], '2026-11-01');
  assert.equal(labels[labels.length - 1], '2026-11-15');
  assert.ok(labels.length >= 3, labels.join());
  return page;
});

// Where each bar and axis label stands, as fractions of the plot's width.
async function chartGeometry(page) {
  return page.evaluate(() => {
    const plot = document.getElementById('days').getBoundingClientRect();
    const frac = (x) => (x - plot.left) / plot.width;
    return {
      width: plot.width,
      bars: Array.from(document.querySelectorAll('#days .bar'), (b) => { const r = b.getBoundingClientRect(); return [frac(r.left), frac(r.right)]; }),
      labels: Array.from(document.querySelectorAll('#days-axis span'), (s) => { const r = s.getBoundingClientRect(); return [s.textContent, frac(r.left), frac(r.right), frac((r.left + r.right) / 2)]; }),
    };
  });
}
const dayNumber = (label) => Date.UTC(+label.slice(0, 4), +label.slice(5, 7) - 1, +label.slice(8, 10)) / 86400000;
const near = (actual, expected, tolerance, what) => assert.ok(Math.abs(actual - expected) <= tolerance, what + ': ' + actual + ' not near ' + expected);

test('day trend: a bar 35 days before the others stands at its date, idle days are a gap', async (ctx) => {
  const days = [['2026-10-01', 6], ['2026-11-05', 9], ['2026-11-06', 3]];
  const page = await open(ctx, { data: h.buildData({ activeDays: 3, days }) });
  const g = await chartGeometry(page);
  const px = 1.5 / g.width;  // a pixel and a half of rounding
  // 37 days on the axis, 2026-10-01 to 2026-11-06 inclusive.
  near(g.bars[0][0], 0, px, 'first bar');
  near(g.bars[1][0], 35 / 37, px, 'bar of 2026-11-05');
  near(g.bars[2][0], 36 / 37, px, 'bar of 2026-11-06');
  near(g.bars[2][1], 1, 2 * px, 'last bar ends with the axis');
  assert.ok(g.bars[1][0] - g.bars[0][1] > 33 / 37, 'the idle days show as a gap');
  // Labels: the first and last under their bars, the others at their dates.
  assert.equal(g.labels[0][0], '2026-10-01');
  near(g.labels[0][1], 0, px, 'first label');
  assert.equal(g.labels[g.labels.length - 1][0], '2026-11-06');
  near(g.labels[g.labels.length - 1][2], 1, px, 'last label');
  assert.ok(g.labels.length >= 4, 'dates between the ends: ' + g.labels.map((l) => l[0]).join());
  for (const [label, , , centre] of g.labels.slice(1, -1)) {
    near(centre, (dayNumber(label) - dayNumber('2026-10-01') + 0.5) / 37, px, label);
    assert.ok(label > '2026-10-01' && label < '2026-11-06', label);
  }
  for (let i = 1; i < g.labels.length; i++) assert.ok(g.labels[i][1] >= g.labels[i - 1][2], 'labels overlap: ' + g.labels.map((l) => l[0]).join());
  return page;
});

test('day trend: week sums stand at their first day; a long history scrolls', async (ctx) => {
  const page = await open(ctx, { data: h.buildData({ activeDays: 200, days: [['2024-01-01', 3], ['2024-01-08', 1], ['2024-03-04', 5]] }) });
  const g = await chartGeometry(page);
  // 70 days: nine weeks from 2024-01-01 and the week of 2024-03-04.
  near(g.bars[1][0], 7 / 70, 1.5 / g.width, 'second week');
  near(g.bars[2][0], 63 / 70, 1.5 / g.width, 'week of 2024-03-04');
  near(g.bars[2][1] - g.bars[2][0], 7 / 70, 2 / g.width, 'a bar is a week wide');
  await close(page);

  // Five years of single days do not fit: the plot and its axis scroll as one.
  const long = [];
  for (let i = 0; i < 120; i++) long.push([new Date(Date.UTC(2020, 0, 1) + i * 15 * 86400000).toISOString().slice(0, 10), i + 1]);
  const big = await open(ctx, { data: h.buildData({ activeDays: 120, days: long }) });
  const sizes = await big.evaluate(() => {
    const box = document.getElementById('days-scroll');
    return [box.scrollWidth, box.clientWidth, document.getElementById('days').offsetWidth, document.getElementById('days-axis').offsetWidth];
  });
  assert.ok(sizes[0] > sizes[1], 'scrolls: ' + sizes);
  assert.equal(sizes[2], sizes[3]);
  return big;
});

test('summary cards wrap their values at 420 px instead of cutting them', async (ctx) => {
  const page = await open(ctx, { data: h.buildData({ total: 1234567890, uniqueUrl: 987654321, uniqueDomain: 12345678, activeDays: 3650, peakText: '周三 20:00（共 123,456 次访问）' }) });
  await page.setViewportSize({ width: 420, height: 900 });
  const values = await page.$$eval('#figures .fig-value', (vs) => vs.map((v) => [v.innerText.replace(/\n/g, ''), v.scrollWidth <= v.clientWidth + 1, v.getBoundingClientRect().right <= document.documentElement.clientWidth]));
  assert.deepEqual(values.map((v) => v[0]), ['1,234,567,890', '987,654,321', '12,345,678', '3,650', '周三 20:00（共 123,456 次访问）']);
  for (const v of values) assert.ok(v[1] && v[2], 'cut or outside the page: ' + v[0]);
  await page.setViewportSize({ width: 1280, height: 900 });
  return page;
});

test('day trend: grouped bars name their span; the chart says so', async (ctx) => {
  for (const [active, span, note] of [[200, 7, '按周汇总：每根柱为 7 天的访问次数之和'], [900, 30, '按月汇总：每根柱为 30 天的访问次数之和']]) {
    const page = await open(ctx, { data: h.buildData({ activeDays: active, days: [['2024-04-10', 11], ['2024-04-17', 0]] }) });
    const tips = await page.$$eval('#days .bar', (bs) => bs.map((b) => b.title));
    assert.deepEqual(tips, ['2024-04-10 起 ' + span + ' 天：11 次', '2024-04-17 起 ' + span + ' 天：0 次']);
    assert.equal(await text(page, '#days-note'), note);
    await close(page);
  }
  const page = await open(ctx, { data: h.buildData({ activeDays: 150, days: [['2024-04-10', 11]] }) });
  assert.equal(await page.$eval('#days .bar', (b) => b.title), '2024-04-10 — 11 次');
  assert.equal(await page.$eval('#days-note', (n) => n.textContent), '');
  return page;
});

test('the "(本地/其他)" domain row shows the visits without a host', async (ctx) => {
  const records = [
    rec('2026-11-19 10:00:06', 'Edge', '本地文件', 'file:///C:/notes/a.html'),
    rec('2026-11-19 10:00:05', 'Edge', '(本地/其他) in a title', 'https://a.example/x'),
    rec('2026-11-19 10:00:04', 'Edge', '空白页', 'about:blank'),
    rec('2026-11-19 10:00:03', 'Edge', 'port only', 'http://user@:8080/p'),
    rec('2026-11-19 10:00:02', 'Edge', 'IPv6', 'http://[::1]:8080/'),
    rec('2026-11-19 10:00:01', 'Edge', 'site', 'https://b.example/(本地/其他)'),
  ];
  const data = h.buildData({ total: 6, records, domains: [['a.example', 1], ['(本地/其他)', 3]] });
  const page = await open(ctx, { data });
  await page.locator('#domains li').nth(1).click();
  assert.equal(await page.inputValue('#q'), '(本地/其他)');
  assert.deepEqual((await bodyRows(page)).map((r) => r[3]), ['file:///C:/notes/a.html', 'about:blank', 'http://user@:8080/p']);
  assert.equal(await text(page, '#count'), '共 6 条，当前筛选 3 条');
  // Sorting keeps the filter; typing on searches all records again.
  await page.click('th[data-col="0"]');
  assert.deepEqual((await bodyRows(page)).map((r) => r[3]), ['http://user@:8080/p', 'about:blank', 'file:///C:/notes/a.html']);
  await page.click('#q');
  await page.keyboard.press('End');
  await page.keyboard.type(' in');
  assert.deepEqual((await bodyRows(page)).map((r) => r[3]), ['https://a.example/x']);
  await page.click('#clear');
  assert.equal((await bodyRows(page)).length, 6);
  return page;
});

test('no request leaves a report, whatever its data holds', async (ctx) => {
  const http = require('http');
  let hits = 0;
  const server = http.createServer((req, res) => { hits++; res.end('x'); });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const base = 'http://127.0.0.1:' + server.address().port + '/';
  try {
    const hostile = '"><img src="' + base + 'img"><script src="' + base + 'js"></script><style>@import "' + base + 'css";</style>';
    const records = [rec('2026-11-19 10:00:00', 'Edge', hostile, base + 'page?' + hostile)];
    const data = h.buildData({ total: 1, records, pages: [[base, hostile, 1]], domains: [[hostile, 1]], keywords: [[hostile, 1]] });
    const page = await open(ctx, { title: hostile, data });
    // Even markup that got into the page could not call out: the policy
    // refuses every load and connection.
    const outcome = await page.evaluate(async (b) => {
      let violations = 0;
      document.addEventListener('securitypolicyviolation', () => { violations++; });
      const img = document.createElement('img');
      img.src = b + 'img2';
      document.body.appendChild(img);
      const style = document.createElement('link');
      style.rel = 'stylesheet';
      style.href = b + 'css2';
      document.head.appendChild(style);
      let fetched = true;
      try { await fetch(b + 'fetch'); } catch (e) { fetched = false; }
      navigator.sendBeacon(b + 'beacon', 'x');
      await new Promise((r) => setTimeout(r, 300));
      return { fetched, violations };
    }, base);
    assert.equal(outcome.fetched, false);
    assert.ok(outcome.violations >= 3, 'violations: ' + outcome.violations);
    await new Promise((r) => setTimeout(r, 200));
    assert.equal(hits, 0, 'requests reached the server');
    const csp = await page.$$eval('meta[http-equiv="Content-Security-Policy"]', (ms) => ms.map((m) => m.content));
    assert.equal(csp.length, 1);
    assert.match(csp[0], /default-src 'none'/);
    page.problems = page.problems.filter((p) => !p.startsWith('request: ' + base));
    return page;
  } finally {
    server.close();
  }
});

test('dark scheme and print layout', async (ctx) => {
  const page = await open(ctx, { data: h.buildData({ records: h.makeRecords(300), total: 300 }) }, 'dark');
  assert.equal(await page.$eval('body', (b) => getComputedStyle(b).backgroundColor), 'rgb(20, 23, 28)');
  assert.equal(await page.$eval('.card', (c) => getComputedStyle(c).boxShadow), 'none');
  await page.emulateMedia({ media: 'print', colorScheme: 'light' });
  assert.equal(await page.isVisible('.toolbar'), false);
  assert.equal(await page.isVisible('.pager'), false);
  assert.equal(await page.$eval('.table-wrap', (w) => getComputedStyle(w).maxHeight), 'none');
  assert.equal(await page.$eval('.card', (c) => getComputedStyle(c).boxShadow), 'none');
  return page;
});

h.runCases(cases);
