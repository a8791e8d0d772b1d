'use strict';
// Report page speed in headless Chromium: time to the first render of the
// summary and the table's first page, to the whole data object read and the
// table ready for search, and the cost of one keystroke in the search box,
// of sorting, of paging, of a change of the browser and user selectors and
// of the CSV export, for a report holding N visits (default 100,000) of
// three profiles of two users.
//   node tools/bench_page.js [N]
// Needs Debian's chromium and tests/page/node_modules (npm ci in tests/page).
const fs = require('fs');
const path = require('path');
const h = require(path.join(__dirname, '..', 'tests', 'page', 'harness.js'));

const N = Number(process.argv[2] || 100000);
const reason = h.missingReason();
if (reason) {
  console.log('cannot run: ' + reason);
  process.exit(h.SKIP);
}

const median = (xs) => { const s = xs.slice().sort((a, b) => a - b); return s[Math.floor(s.length / 2)]; };
const ms = (x) => x.toFixed(1).padStart(8) + ' ms';

(async () => {
  const t0 = Date.now();
  // Generating a million visits takes a minute or more: the data object is
  // kept in build-bench/ and reused (the page itself is filled anew, so a
  // changed template is measured).
  const cache = path.join(__dirname, '..', 'build-bench', 'page-data-' + N + '.json');
  let data;
  try {
    data = JSON.parse(fs.readFileSync(cache, 'utf8'));
  } catch (e) {
    data = h.realisticData(N);
    fs.mkdirSync(path.dirname(cache), { recursive: true });
    fs.writeFileSync(cache, JSON.stringify(data));
  }
  // Each visit's profile, as the writer puts it beside the data object.
  const labels = ['zhangsan\\Default', 'zhangsan\\Profile 1', 'lisi\\Default'];
  const of = data.records.map((r, i) => (i * 7919) % 5 < 3 ? 0 : (i % 3 ? 1 : 2));
  let html = h.fillTemplate(h.readTemplate(), { data, profiles: { of, labels } });
  data = null;
  // Marks inside the page: the page script's start, the whole data object
  // parsed (DATA set) and the table ready for search; a mark whose place the
  // page no longer has is left out. The first render is taken from the
  // document itself, whichever way the page gets there: the moment the
  // summary and the table's first page with its count line are in place, and
  // the first frame drawn after that.
  html = html.replace('<script>\n"use strict";', '<script>performance.mark("vt-start")</script><script>\n"use strict";')
    .replace('\n    D = DATA && typeof DATA === "object" ? DATA : {};\n', '\n    performance.mark("vt-data");\n    D = DATA && typeof DATA === "object" ? DATA : {};\n')
    .replace('\n    if (exportWanted) {\n', '\n    performance.mark("vt-ready");\n    if (exportWanted) {\n');
  const url = h.writePage(html);
  console.log('records ' + N.toLocaleString('en') + ', page ' + (Buffer.byteLength(html) / 1048576).toFixed(1) +
    ' MiB (generated in ' + (Date.now() - t0) + ' ms)');

  const browser = await h.launch();
  try {
    const page = await browser.newPage({ viewport: { width: 1360, height: 900 } });
    await page.addInitScript(() => {
      const seen = new MutationObserver(() => {
        const count = document.getElementById('count'), rows = document.getElementById('rows'), figures = document.getElementById('figures');
        if (!count || !count.textContent || !rows || !rows.firstChild || !figures || !figures.firstChild) return;
        seen.disconnect();
        performance.mark('vt-first');
        window.__vtFirstCount = count.textContent;
        requestAnimationFrame(() => setTimeout(() => { performance.mark('vt-first-frame'); window.__vtFirstFrame = true; }));
      });
      seen.observe(document, { childList: true, subtree: true });
    });
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    const g0 = Date.now();
    await page.goto(url, { waitUntil: 'commit', timeout: 300000 });
    await page.waitForFunction(() => window.__vtFirstFrame === true, null, { polling: 10, timeout: 300000 });
    const wallFirst = Date.now() - g0;
    await page.waitForLoadState('load', { timeout: 300000 });
    await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => setTimeout(r))));
    const wall = Date.now() - g0;
    // A large page fills its selectors and lowers its search texts once the
    // table is ready; keystrokes are measured once it is idle again.
    await page.waitForFunction(() => document.getElementById('view-browser').options.length > 1, null, { polling: 10, timeout: 300000 });
    const wallSelectors = Date.now() - g0;
    const selectorsAt = await page.evaluate(() => performance.now());
    await page.evaluate(() => new Promise((r) => requestIdleCallback(() => requestIdleCallback(r))));
    const wallIdle = Date.now() - g0;
    const nav = await page.evaluate(() => {
      const n = performance.getEntriesByType('navigation')[0];
      const paint = performance.getEntriesByType('paint').find((p) => p.name === 'first-contentful-paint');
      const marks = {};
      for (const e of performance.getEntriesByType('mark')) marks[e.name] = e.startTime;
      return { dcl: n.domContentLoadedEventEnd, load: n.loadEventEnd, fcp: paint ? paint.startTime : NaN, marks, count: window.__vtFirstCount, total: DATA && DATA.total };
    });
    console.log('\nfirst render (from navigation start)');
    const order = ['vt-start', 'vt-first', 'vt-first-frame', 'vt-data', 'vt-ready'];
    const what = { 'vt-start': 'HTML parsed up to the page script', 'vt-first': 'summary and first table page in the document',
      'vt-first-frame': 'first frame drawn after that', 'vt-data': 'whole data object read and parsed (DATA set)',
      'vt-ready': 'table ready for search' };
    for (const k of order.filter((m) => m in nav.marks).sort((a, b) => nav.marks[a] - nav.marks[b])) console.log('  ' + what[k].padEnd(50) + ms(nav.marks[k]));
    console.log('  first count line: ' + nav.count);
    console.log('  navigation to DOMContentLoaded                      ' + ms(nav.dcl));
    console.log('  navigation to load                                  ' + ms(nav.load));
    console.log('  navigation to first contentful paint                ' + ms(nav.fcp));
    console.log('  navigation to selectors filled (polled)             ' + ms(selectorsAt));
    console.log('  goto() to first frame of the first render (wall)    ' + ms(wallFirst));
    console.log('  goto() to first frame after load (wall clock)       ' + ms(wall));
    console.log('  goto() to selectors filled (wall clock)             ' + ms(wallSelectors));
    console.log('  goto() to idle after that (wall clock)              ' + ms(wallIdle));
    if (nav.total !== N) throw new Error('DATA.total is ' + nav.total + ' at the end, not ' + N);

    // One keystroke: the input handler (filter + table page) runs
    // synchronously; "frame" adds style, layout and paint of the result.
    const type = (queries) => page.evaluate(async (qs) => {
      const q = document.getElementById('q');
      const out = [];
      for (const v of qs) {
        q.value = v;
        const a = performance.now();
        q.dispatchEvent(new Event('input', { bubbles: true }));
        const b = performance.now();
        await new Promise((r) => requestAnimationFrame(() => setTimeout(r)));
        out.push({ v, handler: b - a, frame: performance.now() - a, count: document.getElementById('count').textContent });
      }
      return out;
    }, queries);
    const word = 'github';
    const typing = [];
    for (let i = 1; i <= word.length; i++) typing.push(word.slice(0, i));
    typing.push('github ', 'github 报', 'github 报表', 'zzqxj', 'https', 'HTTPS  WWW   报表', '');
    const keys = await type(typing);
    console.log('\nkeystrokes (handler = filter and render; frame = until the next frame is drawn)');
    for (const k of keys) console.log('  ' + JSON.stringify(k.v).padEnd(22) + ' handler' + ms(k.handler) + '   frame' + ms(k.frame) + '   ' + k.count);
    console.log('  median handler' + ms(median(keys.map((k) => k.handler))) + ', max handler' + ms(Math.max(...keys.map((k) => k.handler))) +
      ', max frame' + ms(Math.max(...keys.map((k) => k.frame))));

    const click = (sel) => page.evaluate(async (s) => {
      const a = performance.now();
      document.querySelector(s).click();
      const b = performance.now();
      await new Promise((r) => requestAnimationFrame(() => setTimeout(r)));
      return [b - a, performance.now() - a];
    }, sel);
    console.log('\nclicks (handler / frame)');
    for (const [label, sel] of [['标题 (first: collate every title)', 'th[data-col="2"]'], ['标题 again (descending)', 'th[data-col="2"]'],
      ['标题 again (cached order)', 'th[data-col="2"]'], ['网址 (collate every address)', 'th[data-col="3"]'],
      ['浏览器', 'th[data-col="1"]'], ['时间 (back to newest first)', 'th[data-col="0"]'], ['下一页', '#next']]) {
      const [a, b] = await click(sel);
      console.log('  ' + label.padEnd(36) + ms(a) + ' /' + ms(b));
    }
    await page.fill('#q', 'github');
    const filtered = await type(['github 报表']);
    console.log('\nkeystroke after sorting by title: handler' + ms(filtered[0].handler) + ', frame' + ms(filtered[0].frame));

    // Selector changes: the change handler (filter + table page) and the frame.
    await page.fill('#q', '');
    await click('th[data-col="0"]');
    const choose = (steps) => page.evaluate(async (ss) => {
      const out = [];
      for (const [id, label, query] of ss) {
        const sel = document.getElementById(id);
        if (query !== undefined) { document.getElementById('q').value = query; document.getElementById('q').dispatchEvent(new Event('input')); }
        sel.selectedIndex = Array.from(sel.options).findIndex((o) => o.textContent.startsWith(label));
        const a = performance.now();
        sel.dispatchEvent(new Event('change'));
        const b = performance.now();
        await new Promise((r) => requestAnimationFrame(() => setTimeout(r)));
        out.push({ what: id.replace('view-', '') + ' ' + label + (query ? ' (search "' + query + '")' : ''), handler: b - a, frame: performance.now() - a, count: document.getElementById('count').textContent });
      }
      return out;
    }, steps);
    const views = await choose([['view-user', 'lisi'], ['view-user', 'zhangsan'], ['view-browser', 'Microsoft Edge'],
      ['view-user', '全部用户'], ['view-browser', '全部浏览器'], ['view-user', 'lisi', 'github'], ['view-browser', 'Firefox', 'github'],
      ['view-user', '全部用户', ''], ['view-browser', '全部浏览器']]);
    console.log('\nselector changes (handler / frame)');
    for (const v of views) console.log('  ' + v.what.padEnd(40) + ms(v.handler) + ' /' + ms(v.frame) + '   ' + v.count);
    console.log('  max handler' + ms(Math.max(...views.map((v) => v.handler))) + ', max frame' + ms(Math.max(...views.map((v) => v.frame))));

    // CSV export of the whole view and of one user's view: the click handler
    // builds the text and the blob; the download is the browser's.
    const exportTime = () => page.evaluate(() => {
      const a = performance.now();
      document.getElementById('export-csv').click();
      return performance.now() - a;
    });
    const whole = await exportTime();
    await choose([['view-user', 'lisi']]);
    const one = await exportTime();
    console.log('\nCSV export handler: whole view' + ms(whole) + ', one user' + ms(one));
    if (errors.length) throw new Error('page errors: ' + errors.join('; '));
  } finally {
    await browser.close();
    h.cleanup();
  }
})().catch((e) => {
  console.error(e);
  h.cleanup();
  process.exit(1);
});
