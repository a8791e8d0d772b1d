'use strict';
// Shared by the real-browser checks: the scratch home that the browsers and
// Visitrail alone see, the browsers started in it, a quiet Firefox profile
// and the guard that bounds a whole check.
const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawn, spawnSync } = require('child_process');

const SKIP = 77;
const CHROMIUM = process.env.VT_CHROMIUM || '/usr/bin/chromium';
const FIREFOX = process.env.VT_FIREFOX || '/usr/bin/firefox-esr';
const DEADLINE_MS = Number(process.env.VT_DEADLINE_MS) || 150000;  // the whole check
const started = Date.now();

function log(msg) { console.log(`[${((Date.now() - started) / 1000).toFixed(1)}s] ${msg}`); }
function sleep(ms) { return new Promise((r) => setTimeout(r, ms)); }

// Exits 77 (skipped) when the binary or a browser is missing.
function requireTools(exe) {
  for (const [what, file] of [['Visitrail', exe], ['chromium', CHROMIUM], ['firefox-esr', FIREFOX]]) {
    if (!file || !fs.existsSync(file)) {
      console.log(`SKIP: ${what} not found at ${file} (install Debian packages chromium and firefox-esr: scripts/deps.sh test)`);
      process.exit(SKIP);
    }
  }
}

let home = '';
const children = [];
const closers = [];
function createHome(prefix) {
  home = fs.mkdtempSync(path.join(os.tmpdir(), prefix));
  return home;
}

// The browsers and Visitrail see only the scratch home: no Windows folders,
// no settings folder elsewhere, no display.
function homeEnv(tmp = 'tmp') {
  const env = { ...process.env, HOME: home, MOZ_HEADLESS: '1', TMPDIR: path.join(home, tmp) };
  for (const k of ['USERPROFILE', 'APPDATA', 'XDG_CONFIG_HOME', 'XDG_CACHE_HOME', 'XDG_DATA_HOME',
    'XDG_STATE_HOME', 'DISPLAY', 'WAYLAND_DISPLAY', 'DBUS_SESSION_BUS_ADDRESS'])
    delete env[k];
  return env;
}

function onCleanUp(fn) { closers.push(fn); }
function cleanUp() {
  for (const c of children) {
    try { process.kill(-c.pid, 'SIGKILL'); } catch (e) { /* already gone */ }
  }
  for (const fn of closers) {
    try { fn(); } catch (e) { /* nothing more to do */ }
  }
  if (home && !process.env.VT_KEEP) fs.rmSync(home, { recursive: true, force: true });
}

function launch(file, args) {
  const c = spawn(file, args, { env: homeEnv(), detached: true, stdio: ['ignore', 'ignore', 'pipe'] });
  let err = '';
  c.stderr.on('data', (d) => { if (err.length < 20000) err += d; });
  c.exited = false;
  c.on('exit', () => { c.exited = true; });
  c.errText = () => err;
  children.push(c);
  return c;
}

// Firefox creates its profile and profiles.ini itself; prefs keep a first
// run quiet and off the network, and `extraPrefs` add to them.
function makeFirefoxProfile(extraPrefs = {}) {
  const r = spawnSync(FIREFOX, ['--headless', '-CreateProfile', 'default-esr'],
    { env: homeEnv(), timeout: 60000, encoding: 'utf8' });
  for (const dir of [path.join(home, '.config', 'mozilla', 'firefox'), path.join(home, '.mozilla', 'firefox')]) {
    const ini = path.join(dir, 'profiles.ini');
    if (!fs.existsSync(ini)) continue;
    const m = /^Path=(.+)$/m.exec(fs.readFileSync(ini, 'utf8'));
    if (!m) continue;
    const profile = path.isAbsolute(m[1]) ? m[1] : path.join(dir, m[1]);
    const prefs = {
      'browser.shell.checkDefaultBrowser': false, 'browser.startup.homepage_override.mstone': 'ignore',
      'browser.aboutwelcome.enabled': false, 'datareporting.policy.dataSubmissionEnabled': false,
      'toolkit.telemetry.reportingpolicy.firstRun': false, 'app.update.enabled': false,
      'network.captive-portal-service.enabled': false, 'network.connectivity-service.enabled': false,
      'browser.safebrowsing.update.enabled': false, 'extensions.update.enabled': false,
      'browser.newtabpage.enabled': false, 'browser.startup.page': 0, ...extraPrefs,
    };
    fs.writeFileSync(path.join(profile, 'user.js'),
      Object.entries(prefs).map(([k, v]) => `user_pref(${JSON.stringify(k)}, ${JSON.stringify(v)});\n`).join(''));
    return profile;
  }
  throw new Error('firefox-esr -CreateProfile made no profile: ' + (r.stderr || r.error));
}

// Runs main() (resolving to an exit code) within the deadline, cleaning up
// on every way out.
function runMain(main) {
  const guard = setTimeout(() => {
    console.log(`FAIL: no result within ${DEADLINE_MS / 1000 + 30}s`);
    cleanUp();
    process.exit(1);
  }, DEADLINE_MS + 30000);
  main().then((code) => {
    clearTimeout(guard);
    cleanUp();
    process.exit(code);
  }, (e) => {
    clearTimeout(guard);
    console.log('FAIL: ' + (e && e.stack || e));
    cleanUp();
    process.exit(1);
  });
}

module.exports = {
  SKIP, CHROMIUM, FIREFOX, DEADLINE_MS, started, log, sleep, requireTools, createHome, homeEnv,
  onCleanUp, launch, makeFirefoxProfile, runMain,
};
