'use strict';
// The report page made from many machines' exports (/in): the visit and
// download tables begin with a machine column that agrees with the JSON
// report of the same exports, row for row; the column is no sort key; the
// machine selector narrows the table, and the CSV the page saves for one
// machine is the program's own /format:csv of that machine's export.
//   node machines.js <Visitrail executable>
// Exit 0 passed, 1 a failure, 77 skipped (no Chromium or playwright-core).
const assert = require('assert/strict');
const { spawnSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const h = require('./harness');

const EXE = process.argv[2];
h.skipIfMissing();

// One machine's export, as /format:jsonl writes it: 130 visits (more than a
// page of the table) and two downloads.
function exportOf(machine, hour) {
  const origin = '"run":"20261118_013000Z-' + hour + '","machine":"' + machine +
    '","user":"alice","browser":"Google Chrome","browser_id":"chrome","profile":"Default"';
  let text = '';
  for (let i = 0; i < 130; i++) {
    const ts = 1760000000 + hour * 7 - i * 600;
    text += '{"kind":"visit",' + origin + ',"ts":' + ts + ',"seq":0,"time":"","utc_offset":480,"url":"https://' +
      machine.toLowerCase() + '.example/p' + i + '","title":"页面 <b>' + i + '</b>"}\n';
  }
  for (let i = 0; i < 2; i++)
    text += '{"kind":"download",' + origin + ',"ts":' + (1760000000 + hour - i * 60) + ',"seq":0,"time":"","utc_offset":480,' +
      '"path":"/home/alice/f' + i + '.zip","url":"https://' + machine + '.example/f' + i + '","bytes":10,"state":"完成"}\n';
  return text + '{"kind":"source",' + origin + ',"path":"/h/History","seq":0,"state":"ok","status":"已采集","ok":1,"count":130,"message":""}\n';
}

(async () => {
  const base = fs.mkdtempSync(path.join(os.tmpdir(), 'vt-machines-'));
  let browser, failed = false;
  try {
    const share = path.join(base, 'share');
    fs.mkdirSync(share);
    fs.writeFileSync(path.join(share, 'a.jsonl'), exportOf('PC-<1>', 1));
    fs.writeFileSync(path.join(share, 'b.jsonl'), exportOf('PC-2', 2));
    const run = (args, input = share) => {
      const r = spawnSync(EXE, ['/in:' + input, ...args], { env: Object.assign({}, process.env, { TZ: 'Asia/Shanghai' }), maxBuffer: 1 << 26 });
      assert.equal(r.status, 0, String(r.stderr));
      return r.stdout;
    };
    const json = JSON.parse(run(['/format:json']).toString());
    const pageFile = path.join(base, 'page.html');
    run(['/out:' + pageFile]);

    browser = await h.launch();
    const page = await browser.newPage({ viewport: { width: 1280, height: 900 }, acceptDownloads: true });
    const problems = [];
    page.on('pageerror', (e) => problems.push('script error: ' + e.message));
    await page.goto('file://' + pageFile);
    await page.waitForSelector('#rows tr td.machine');

    const heads = (sel) => page.$$eval(sel + ' thead th', (ths) => ths.map((t) => t.textContent.replace(/[▲▼]/g, '')));
    assert.deepEqual(await heads('#visits table.visits'), ['计算机', '时间', '浏览器', '标题', '网址']);
    const cells = (sel) => page.$$eval(sel + ' tr', (trs) => trs.map((tr) => [...tr.cells].slice(0, 2).map((c) => c.textContent)));
    const first = json.records.slice(0, 100).map((r) => [r.machine, r.time]);
    assert.deepEqual(await cells('#rows'), first);
    await page.click('#next');
    assert.deepEqual(await cells('#rows'), json.records.slice(100, 200).map((r) => [r.machine, r.time]));

    // The machine's header is no sort key: a click leaves the order as it was.
    await page.click('#prev');
    await page.click('#visits table.visits th.machine');
    assert.deepEqual(await cells('#rows'), first);

    assert.deepEqual(await heads('#downloads'), ['计算机', '时间', '浏览器', '文件', '网址', '大小', '状态']);
    assert.deepEqual(await cells('#dl-rows'), json.downloads.map((d) => [d[7], d[0]]));
    await page.click('#downloads th.machine');
    assert.deepEqual(await cells('#dl-rows'), json.downloads.map((d) => [d[7], d[0]]));

    // The machine selector, beside the browser and user selectors.
    const options = await page.$$eval('#view-machine option', (os) => os.map((o) => o.textContent));
    assert.deepEqual(options.slice().sort(), ['PC-2（130）', 'PC-<1>（130）', '全部计算机'].sort());
    assert.ok(await page.isVisible('#view-machine'));
    await page.selectOption('#view-machine', { label: 'PC-2（130）' });
    assert.equal(await page.locator('#count').innerText(), '共 260 条，当前筛选 130 条');
    assert.ok((await cells('#rows')).every((c) => c[0] === 'PC-2'));
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#export-csv')]);
    assert.ok(fs.readFileSync(await download.path()).equals(run(['/format:csv'], path.join(share, 'b.jsonl'))));
    if (problems.length) throw new Error(problems.join('; '));

    // A page of one machine's browsers has neither the column nor the selector.
    const plain = h.fillTemplate(h.readTemplate(), {
      data: h.buildData({ total: 1, records: [['2026-01-01 10:00:00', 'Google Chrome', 't', 'https://a.example/']] }),
      profiles: { of: [0], labels: ['alice\\Default'] },
    }).split('__DOWNLOADS__').join('[]');
    const own = await browser.newPage();
    own.on('pageerror', (e) => problems.push('script error: ' + e.message));
    await own.goto(h.writePage(plain));
    await own.waitForSelector('#rows tr td.time');
    assert.equal(await own.locator('td.machine, th.machine').count(), 0);
    await own.waitForTimeout(300);  // the selectors are filled after the first page
    assert.equal(await own.isVisible('#view-machine'), false);
    if (problems.length) throw new Error(problems.join('; '));
    console.log('ok   machine column and selector: visits and downloads name their machine as the JSON report does, one machine exports as its own CSV');
  } catch (e) {
    failed = true;
    console.log('FAIL machine column\n     ' + String(e && e.stack || e).split('\n').join('\n     '));
  } finally {
    if (browser) await browser.close();
    fs.rmSync(base, { recursive: true, force: true });
  }
  process.exit(failed ? 1 : 0);
})();
