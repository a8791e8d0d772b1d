'use strict';
// Shared by the page checks and tools/bench_page.js: fills the report page the
// way uReport's HTML writer does, and drives Debian's Chromium through
// playwright-core (which never downloads a browser of its own).
const fs = require('fs');
const os = require('os');
const path = require('path');

const TEMPLATE = process.env.VT_REPORT_TEMPLATE || path.join(__dirname, '..', '..', 'src', 'res', 'report_template.html');
const CHROMIUM = process.env.VT_CHROMIUM || '/usr/bin/chromium';
const CHROMIUM_ARGS = ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const SKIP = 77;

// Why the browser checks cannot run here, or '' when they can.
function missingReason() {
  if (Number(process.versions.node.split('.')[0]) < 20) return 'node ' + process.versions.node + ' is too old for playwright-core (20 or later needed)';
  if (!fs.existsSync(CHROMIUM)) return CHROMIUM + ' not found (install Debian package chromium: scripts/deps.sh test)';
  try {
    require.resolve('playwright-core', { paths: [__dirname] });
  } catch (e) {
    return 'playwright-core not installed (run npm ci in tests/page)';
  }
  return '';
}

// Ends the process as skipped, saying why, when the checks cannot run here.
function skipIfMissing(why = missingReason()) {
  if (!why) return;
  console.log('SKIPPED: ' + why);
  process.exit(SKIP);
}

// As missingReason, for checks that also build stores with the sqlite3 shell.
function missingReasonWithSqlite() {
  return missingReason() ||
    (require('child_process').spawnSync('sqlite3', ['-version']).status === 0 ? '' : 'sqlite3 shell not found');
}
// A text as an SQL string literal.
const sq = (s) => "'" + s.replace(/'/g, "''") + "'";

async function launch() {
  const { chromium } = require(require.resolve('playwright-core', { paths: [__dirname] }));
  return chromium.launch({ executablePath: CHROMIUM, args: CHROMIUM_ARGS, headless: true });
}

// The writer's HtmlEscape: the apostrophe is left as it is.
function htmlEscape(s) {
  return String(s).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
}

// The data object with every key in the writer's order; fields override.
function buildData(fields = {}) {
  const zeroHeat = Array.from({ length: 7 }, () => new Array(24).fill(0));
  const d = {
    title: '浏览器访问记录报告', version: '1.1.4', build: '2026-11-19', generated: '2026-11-20 09:30',
    range: '全部历史（2026-01-01 至 2026-11-20）', scope: '当前用户 tester',
    total: 0, uniqueUrl: 0, uniqueDomain: 0, activeDays: 0, peakText: '—',
    heat: zeroHeat, days: [], domains: [], pages: [], keywords: [], cats: [], browsers: [], sources: [], records: [],
  };
  for (const k of Object.keys(fields)) {
    if (!(k in d)) throw new Error('unknown data key ' + k);
    d[k] = fields[k];
  }
  return d;
}

// profiles: {of, labels} as the writer puts beside the data object; without
// it the placeholder stays, and the page reads no profiles.
function fillTemplate(tpl, { title = '浏览器访问记录报告', company = 'Visitrail 项目',
  homepage = 'https://visitrail.example.org', data = buildData(), profiles } = {}) {
  const json = JSON.stringify(data).split('</').join('<\\/');
  if (profiles) tpl = tpl.split('__PROFILES__').join(JSON.stringify(profiles).split('</').join('<\\/'));
  return tpl.split('__TITLE__').join(htmlEscape(title))
    .split('__COMPANY__').join(htmlEscape(company))
    .split('__HOMEPAGE__').join(htmlEscape(homepage))
    .split('__DATA__').join(json);
}

function readTemplate() {
  return fs.readFileSync(TEMPLATE, 'utf8');
}

let tmpDir = '';
let fileNo = 0;
// Writes a filled page to a private temporary folder; returns its file URL.
function writePage(html) {
  if (!tmpDir) tmpDir = fs.mkdtempSync(path.join(os.tmpdir(), 'vt-page-'));
  const file = path.join(tmpDir, 'report_' + (++fileNo) + '.html');
  fs.writeFileSync(file, html, 'utf8');
  return 'file://' + file;
}
function cleanup() {
  if (tmpDir) fs.rmSync(tmpDir, { recursive: true, force: true });
  tmpDir = '';
}

const pad = (n, w = 2) => String(n).padStart(w, '0');
function timeText(ms) {
  const t = new Date(ms);
  return t.getFullYear() + '-' + pad(t.getMonth() + 1) + '-' + pad(t.getDate()) + ' ' +
    pad(t.getHours()) + ':' + pad(t.getMinutes()) + ':' + pad(t.getSeconds());
}

// A deterministic history of n visits, newest first, with realistic mixes of
// Chinese and Latin titles; rnd is a seeded generator so runs are comparable.
const SITES = [
  ['www.baidu.com', '百度一下，你就知道', '/s?wd='], ['github.com', 'GitHub', '/'],
  ['www.zhihu.com', '知乎 - 有问题，就会有答案', '/question/'], ['www.bilibili.com', '哔哩哔哩 (゜-゜)つロ 干杯~', '/video/BV'],
  ['developer.mozilla.org', 'MDN Web Docs', '/zh-CN/docs/Web/'], ['mail.qq.com', 'QQ邮箱', '/cgi-bin/frame_html?sid='],
  ['stackoverflow.com', 'Stack Overflow', '/questions/'], ['news.sina.com.cn', '新浪新闻', '/china/'],
  ['www.taobao.com', '淘宝网 - 淘！我喜欢', '/item/'], ['docs.python.org', 'Python 3 documentation', '/3/library/'],
  ['intranet.corp.local', '内部办公系统', '/oa/'], ['www.jd.com', '京东(JD.COM)-正品低价、品质保障', '/product/'],
];
const WORDS = ['报表', '周报', 'release notes', 'API 参考', '会议纪要', 'Rust async', '数据分析', '项目计划', 'CMake 教程', '招聘', '天气', 'Chromium'];
const BROWSERS = ['Google Chrome', 'Microsoft Edge', 'Firefox', '360安全浏览器', 'QQ浏览器'];

function makeRecords(n, seed = 1) {
  let s = seed >>> 0 || 1;
  const rnd = () => { s = (s * 1664525 + 1013904223) >>> 0; return s / 4294967296; };
  const out = new Array(n);
  let t = Date.UTC(2026, 10, 19, 22, 0, 0);
  for (let i = 0; i < n; i++) {
    t -= Math.floor(rnd() * 900000) + 1000;
    // Nobody browses between 1 and 7 in the morning.
    while (new Date(t).getHours() >= 1 && new Date(t).getHours() < 7) t -= 1800000;
    const site = SITES[Math.floor(rnd() * SITES.length)];
    const word = WORDS[Math.floor(rnd() * WORDS.length)];
    // Skewed so that some pages are visited far more often than others.
    const id = Math.floor(Math.pow(rnd(), 3) * 5000);
    const title = rnd() < 0.05 ? '' : word + ' - ' + site[1];
    out[i] = [timeText(t), BROWSERS[Math.floor(rnd() * BROWSERS.length)], title, 'https://' + site[0] + site[2] + id];
  }
  return out;
}

// The program over a scratch user folder: Windows-style (USERPROFILE) with
// the user's name, its own temporary folder under `base`, China's time zone.
// Returns standard output; any exit code but 0 is an error.
function runVisitrail(exe, base, home, user, args) {
  const env = Object.assign({}, process.env, { USERPROFILE: home, USERNAME: user, TMPDIR: path.join(base, 'tmp'), TZ: 'Asia/Shanghai' });
  delete env.APPDATA;
  delete env.LOCALAPPDATA;
  const r = require('child_process').spawnSync(exe, args, { env, maxBuffer: 1 << 28 });
  if (r.status !== 0) throw new Error('Visitrail ' + args.join(' ') + ' ended with ' + r.status + ': ' + r.stdout);
  return r.stdout;
}
// A policy that allows the page no request at all.
const CSP = "default-src 'none'; script-src 'unsafe-inline'; style-src 'unsafe-inline'; img-src data: blob:";
// The page with that policy in force.
function withCsp(html) {
  return html.replace('<meta charset="utf-8">', '<meta charset="utf-8">\n<meta http-equiv="Content-Security-Policy" content="' + CSP + '">');
}

// Runs page checks one after another in one browser context (1280 x 900):
// a case gets the context and returns its last page still open, which must
// have met no problem. Ends the process: 0 all passed, 1 a failure.
function runCases(cases) {
  (async () => {
    let browser;
    let passed = 0, failed = 0;
    try {
      browser = await launch();
      const ctx = await browser.newContext({ viewport: { width: 1280, height: 900 } });
      for (const c of cases) {
        let page;
        try {
          page = await c.fn(ctx);
          if (page && page.problems.length) throw new Error(page.problems.join('; '));
          passed++;
          console.log('ok   ' + c.name);
        } catch (e) {
          failed++;
          console.log('FAIL ' + c.name + '\n     ' + String(e && e.stack || e).split('\n').slice(0, 6).join('\n     '));
        } finally {
          if (page && !page.isClosed()) await page.close();
        }
      }
    } finally {
      if (browser) await browser.close();
      cleanup();
    }
    console.log(passed + ' passed, ' + failed + ' failed');
    process.exit(failed ? 1 : 0);
  })().catch((e) => {
    console.error(e);
    cleanup();
    process.exit(1);
  });
}

module.exports = {
  runVisitrail, withCsp, runCases, skipIfMissing,
  SKIP, CHROMIUM, missingReason, missingReasonWithSqlite, sq, launch, htmlEscape, buildData, fillTemplate, readTemplate,
  writePage, cleanup, timeText, makeRecords,
};

// A complete data object computed from a generated history, for screenshots
// and timing: the figures are those an analysis of these records would give.
const CATS = {
  'www.baidu.com': '搜索引擎', 'github.com': '开发技术', 'www.zhihu.com': '社交社区', 'www.bilibili.com': '视频娱乐',
  'developer.mozilla.org': '开发技术', 'mail.qq.com': '办公邮箱', 'stackoverflow.com': '开发技术', 'news.sina.com.cn': '新闻资讯',
  'www.taobao.com': '购物', 'docs.python.org': '开发技术', 'intranet.corp.local': '内网系统', 'www.jd.com': '购物',
};
const CAT_COLORS = {
  '开发技术': '#3b6ef6', '搜索引擎': '#22a06b', '社交社区': '#e5484d', '视频娱乐': '#f59e0b', '新闻资讯': '#8b5cf6',
  '购物': '#ec4899', '办公邮箱': '#0ea5e9', '内网系统': '#14b8a6', '其他': '#7c8798',
};
function realisticData(n, seed = 7) {
  const records = makeRecords(n, seed);
  const count = (m, k) => m.set(k, (m.get(k) || 0) + 1);
  const top = (m, limit) => Array.from(m.entries()).sort((a, b) => b[1] - a[1] || (a[0] < b[0] ? -1 : 1)).slice(0, limit || undefined);
  const heat = Array.from({ length: 7 }, () => new Array(24).fill(0));
  const days = new Map(), domains = new Map(), urls = new Map(), titles = new Map(), kws = new Map(), cats = new Map(), browsers = new Map();
  for (const [time, browser, title, url] of records) {
    const d = new Date(time.replace(' ', 'T'));
    heat[d.getDay()][d.getHours()]++;
    count(days, time.slice(0, 10));
    const host = new URL(url).hostname;
    count(domains, host.replace(/^www\./, ''));
    count(urls, url);
    titles.set(url, title);
    count(cats, CATS[host] || '其他');
    count(browsers, browser);
    if (host === 'www.baidu.com') count(kws, title.split(' - ')[0]);
  }
  let peak = 0, pd = 0, ph = 0;
  heat.forEach((row, w) => row.forEach((v, h) => { if (v > peak) { peak = v; pd = w; ph = h; } }));
  const dayList = Array.from(days.entries()).sort((a, b) => (a[0] < b[0] ? -1 : 1));
  // Pages share a few titles on purpose, so the host hint shows.
  const pages = top(urls, 12).map(([u, c]) => [u, titles.get(u), c]);
  if (pages.length > 1) pages[1] = ['https://gist.github.com/visitrail/1', pages[0][1], pages[1][2]];
  return buildData({
    title: '浏览器访问记录报告', generated: '2026-11-20 09:30',
    range: '全部历史（' + dayList[0][0] + ' 至 ' + dayList[dayList.length - 1][0] + '）', scope: '当前用户 zhangsan',
    total: n, uniqueUrl: urls.size, uniqueDomain: domains.size, activeDays: days.size,
    peakText: ['周日', '周一', '周二', '周三', '周四', '周五', '周六'][pd] + ' ' + ph + ':00',
    heat, days: dayList, domains: top(domains, 15), pages, keywords: top(kws, 12),
    cats: top(cats).map(([k, c]) => [k, c, CAT_COLORS[k]]), browsers: top(browsers),
    sources: [
      { name: 'Google Chrome', profile: 'Default', path: 'C:\\Users\\zhangsan\\AppData\\Local\\Google\\Chrome\\User Data\\Default\\History', status: '已采集', state: 'ok', count: browsers.get('Google Chrome') || 0, msg: '', ok: true },
      { name: 'Microsoft Edge', profile: 'Default', path: 'C:\\Users\\zhangsan\\AppData\\Local\\Microsoft\\Edge\\User Data\\Default\\History', status: '已采集', state: 'ok', count: browsers.get('Microsoft Edge') || 0, msg: '', ok: true },
      { name: 'Firefox', profile: 'abcd1234.default-release', path: 'C:\\Users\\zhangsan\\AppData\\Roaming\\Mozilla\\Firefox\\Profiles\\abcd1234.default-release\\places.sqlite', status: '已采集', state: 'ok', count: browsers.get('Firefox') || 0, msg: '', ok: true },
      { name: 'Brave', profile: 'Default', path: 'C:\\Users\\zhangsan\\AppData\\Local\\BraveSoftware\\Brave-Browser\\User Data\\Default\\History', status: '无记录', state: 'empty', count: 0, msg: '', ok: true },
      { name: 'Internet Explorer / Edge Legacy', profile: 'WebCache', path: 'C:\\Users\\zhangsan\\AppData\\Local\\Microsoft\\Windows\\WebCache\\WebCacheV01.dat', status: '数据库被占用', state: 'locked', count: 0, msg: '快照复制失败：文件被其他进程占用（错误 32）', ok: false },
    ],
    records,
  });
}
module.exports.realisticData = realisticData;
