'use strict';
// Report page speed in headless Chromium: time to first render and the cost
// of one keystroke in the search box, of sorting, of paging, of a change of
// the browser and user selectors and of the CSV export, for a report
// holding N visits (default 100,000) of three profiles of two users.
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
  let html = h.fillTemplate(h.readTemplate(), { data }).split('__PROFILES__').join(JSON.stringify({ of, labels }));
  data = null;
  // Marks around the page's script: parse, compile, run and first layout of
  // every section and of the table's first page.
  // Marks around the page's script and inside it: parse, compile and the
  // data statement; the page's own preparation of the records; the summary
  // sections; the table's first page. A mark whose place the page no longer
  // has is left out.
  html = html.replace('<script>\n"use strict";', '<script>performance.mark("vt-start")</script><script>\n"use strict";')
    .replace('\n(function () {\n  const PAGE_SIZE', '\nperformance.mark("vt-data");\n(function () {\n  const PAGE_SIZE')
    .replace('\n  renderHeader();\n', '\n  performance.mark("vt-prep");\n  renderHeader();\n')
    .replace('\n  renderSources();\n', '\n  renderSources();\n  performance.mark("vt-summary");\n')
    .replace('</script>\n</body>', '</script><script>performance.mark("vt-end")</script>\n</body>');
  const url = h.writePage(html);
  console.log('records ' + N.toLocaleString('en') + ', page ' + (Buffer.byteLength(html) / 1048576).toFixed(1) +
    ' MiB (generated in ' + (Date.now() - t0) + ' ms)');

  const browser = await h.launch();
  try {
    const page = await browser.newPage({ viewport: { width: 1360, height: 900 } });
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    const g0 = Date.now();
    await page.goto(url, { waitUntil: 'load', timeout: 300000 });
    await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => setTimeout(r))));
    const wall = Date.now() - g0;
    const nav = await page.evaluate(() => {
      const n = performance.getEntriesByType('navigation')[0];
      const m = (name) => performance.getEntriesByName(name)[0].startTime;
      const paint = performance.getEntriesByType('paint').find((p) => p.name === 'first-contentful-paint');
      const marks = {};
      for (const e of performance.getEntriesByType('mark')) marks[e.name] = e.startTime;
      return { script: m('vt-end') - m('vt-start'), dcl: n.domContentLoadedEventEnd, load: n.loadEventEnd, fcp: paint ? paint.startTime : NaN, marks };
    });
    console.log('\nfirst render (from navigation start)');
    const order = ['vt-start', 'vt-data', 'vt-prep', 'vt-summary', 'vt-end'];
    const what = { 'vt-start': 'HTML parsed up to the page script', 'vt-data': 'data object read, page script compiled',
      'vt-prep': 'records prepared for the table', 'vt-summary': 'summary sections built', 'vt-end': 'first table page built' };
    for (const k of order) if (k in nav.marks) console.log('  ' + what[k].padEnd(50) + ms(nav.marks[k]));
    console.log('  page script (data + every section + first 100 rows)' + ms(nav.script));
    console.log('  navigation to DOMContentLoaded                      ' + ms(nav.dcl));
    console.log('  navigation to first contentful paint                ' + ms(nav.fcp));
    console.log('  goto() to first frame after load (wall clock)       ' + ms(wall));
    // A large page prepares its selectors and search texts once the first
    // page is on screen; keystrokes are measured once it is idle again.
    const p0 = Date.now();
    await page.waitForFunction(() => document.getElementById('view-browser').options.length > 1, null, { timeout: 300000 });
    await page.evaluate(() => new Promise((r) => requestIdleCallback(() => requestIdleCallback(r))));
    console.log('  then until prepared for search and selectors (wall) ' + ms(Date.now() - p0));

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
