#!/usr/bin/env bash
# Cross-builds Visitrail.exe (scripts/build-windows.sh) and checks it end to
# end under Wine, in a fresh prefix, without a display: help and version,
# argument errors, Chrome and Firefox stores in the prefix's user folder read
# into JSON and HTML reports, /user:all over the registry's profile list,
# /list to a pipe and to a file, the IE source over a real dirty WebCache
# (also of a user named 张三 and under a TEMP past MAX_PATH) and held open
# without sharing, the command-line rule, the run log's code page, the
# executable's imports, manifest and resources, the removal at start of what
# ended runs left, and the platform layer's own checks (containment of
# crashing and hanging workers, link-safe clean-up and interruption among
# them). Installs Wine and the sqlite3 shell when missing. Prints
# "N passed, M failed, K skipped" last and exits non-zero when a check
# failed; a skipped check counts as failed unless Wine is its reason (no
# console events, no shadow-copy service, no links).
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/deps.sh" wine || exit 1

build_log="$(mktemp "${TMPDIR:-/tmp}/vt-build-windows.XXXXXX")"
if ! built="$("$root/scripts/build-windows.sh" Visitrail platform_checks 2>"$build_log" | tail -n 1)"; then
  tail -n 40 "$build_log"
  rm -f "$build_log"
  echo "0 passed, 1 failed, 0 skipped (cross-build)"
  exit 1
fi
rm -f "$build_log"
checks_exe="$(dirname "$built")/tests/win/platform_checks.exe"

work="$(mktemp -d "${TMPDIR:-/tmp}/vt-wine.XXXXXX")"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
cleanup() {
  wineserver -k </dev/null >/dev/null 2>&1
  [ -n "${VT_KEEP:-}" ] && echo "kept $work" >&2 || rm -rf "$work"
}
trap cleanup EXIT
# Wine's background processes must not inherit our standard handles, or
# whoever reads this script's output waits for them forever.
mkdir -p "$WINEPREFIX"
# A private zh_CN.UTF-8 locale: Wine then runs with the Chinese ANSI code
# page (936) and still reads our UTF-8 command lines correctly.
mkdir -p "$work/locale"
localedef -i zh_CN -f UTF-8 "$work/locale/zh_CN.UTF-8" >/dev/null 2>&1 ||
  echo "warning: could not build the zh_CN.UTF-8 locale" >&2
# And a Western one (code page 1252), which cannot spell Chinese names.
localedef -i en_US -f UTF-8 "$work/locale/en_US.UTF-8" >/dev/null 2>&1 ||
  echo "warning: could not build the en_US.UTF-8 locale" >&2
export LOCPATH="$work/locale"
wineserver -p </dev/null >/dev/null 2>&1
wineboot -i </dev/null >/dev/null 2>&1

pass=0
fail=0
skipped=0
# skips FILE: counts the "SKIPPED" lines of a checks program; one whose
# reason is not Wine's fails the stage.
skips() {
  local line
  while IFS= read -r line; do
    skipped=$((skipped + 1))
    case "$line" in
      "SKIPPED (wine): "*) echo "  ${line}" ;;
      *) fail=$((fail + 1)); echo "FAILED: skipped without a Wine reason: ${line#SKIPPED: }" ;;
    esac
  done < <(grep -E '^SKIPPED' "$1")
}
check() {  # check "what" command...
  local what="$1"; shift
  if "$@"; then pass=$((pass + 1)); else fail=$((fail + 1)); echo "FAILED: $what"; fi
}
has() { grep -qF -- "$2" "$1"; }      # has FILE TEXT
hasnt() { ! grep -qF -- "$2" "$1"; }

drive="$WINEPREFIX/drive_c"
user="$(id -un)"   # Wine names the Windows user after the Unix one
home="$drive/users/$user"
winhome="C:\\users\\$user"
mkdir -p "$drive/vt"
cp "$built" "$drive/vt/Visitrail.exe"   # away from the source tree's template
exe='C:\vt\Visitrail.exe'
out="$work/out"
err="$work/err"
txt="$work/out.txt"
errtxt="$work/err.txt"
# run ARGS...: Visitrail with the Chinese ANSI code page (936); standard
# output (a file) in $out and decoded from GB18030 into $txt, code in $rc.
run() {
  LC_ALL=zh_CN.UTF-8 wine "$exe" "$@" </dev/null >"$out" 2>"$err"
  rc=$?
  # Visitrail prints something on every path that ends with 1; exit 1 with
  # nothing on standard output is Wine failing to start the program (seen
  # once on a loaded machine), so that start is tried once more.
  # Argument errors go to standard error when the report would go to
  # standard output: those are Visitrail's own lines, not a failed start.
  if [ "$rc" = 1 ] && [ ! -s "$out" ] && ! iconv -f GB18030 -t UTF-8 "$err" 2>/dev/null | grep -q '参数错误'; then
    echo "  (wine did not start the program: $(tail -n 3 "$err" | tr '\n' ' ')retrying once)" >&2
    LC_ALL=zh_CN.UTF-8 wine "$exe" "$@" </dev/null >"$out" 2>"$err"
    rc=$?
  fi
  iconv -f GB18030 -t UTF-8 "$out" >"$txt" 2>/dev/null || cp "$out" "$txt"
  iconv -f GB18030 -t UTF-8 "$err" >"$errtxt" 2>/dev/null || cp "$err" "$errtxt"
}
rc_is() { [ "$rc" = "$1" ] || { echo "  exit code $rc, expected $1" >&2; head -c 2000 "$txt" >&2; tail -n 20 "$err" >&2; false; }; }
json_ok() { python3 -c 'import json,sys; json.load(open(sys.argv[1], encoding="utf-8"))' "$1"; }
py() { python3 -c "$1" "${@:2}"; }

# ---- Platform layer ------------------------------------------------------
cp "$checks_exe" "$drive/vt/platform_checks.exe"
TZ=Asia/Shanghai VT_CHECK_TZ_OFFSET=28800 wine 'C:\vt\platform_checks.exe' "$winhome\\Temp\\vt checks" \
  </dev/null >"$out" 2>"$err"
rc=$?
grep -E '^FAILED' "$out"
skips "$out"
sed -n 's/^platform checks: \(.*\)$/  (platform layer: \1)/p' "$out"
sed -n 's/^shadow copy: \(.*\)$/  (shadow copy under Wine: \1)/p' "$out"
sed -n 's/^shell open: \(.*\)$/  (opening a missing report under Wine: \1)/p' "$out"
check "platform checks pass" rc_is 0
check "platform checks ran" grep -q '^platform checks: [1-9][0-9]* passed, 0 failed' "$out"
check "a spawned child writes nothing into its parent's output" hasnt "$out" "child"
wine 'C:\vt\platform_checks.exe' /kind </dev/null >"$out" 2>/dev/null
check "standard output to a file: kind file, no console width, CR LF" \
  py 'import sys; d=open(sys.argv[1],"rb").read(); sys.exit(d!=b"file -1 ??\r\n")' "$out"
wine 'C:\vt\platform_checks.exe' /kind </dev/null 2>/dev/null | cat >"$out"
check "standard output to a pipe: kind pipe" \
  py 'import sys; d=open(sys.argv[1],"rb").read(); sys.exit(d!=b"pipe -1 ??\r\n")' "$out"
LC_ALL=zh_CN.UTF-8 wine 'C:\vt\platform_checks.exe' /kind </dev/null 2>/dev/null | cat >"$out"
check "console lines in the ANSI code page (936)" \
  py 'import sys; d=open(sys.argv[1],"rb").read(); sys.exit(d!="pipe -1 中文\r\n".encode("gbk"))' "$out"
# A console: Wine gives a pseudo-terminal one. Its lines go through
# WriteConsoleW, so Chinese shows even with a Western code page (1252).
LC_ALL=C.UTF-8 script -qec "stty cols 100; wine 'C:\vt\platform_checks.exe' /kind" /dev/null \
  </dev/null >"$out" 2>/dev/null
check "console: kind console, its width, Chinese shown" has "$out" "console 100 中文"
LC_ALL=C.UTF-8 script -qec "wine '$exe' /?" /dev/null </dev/null >"$out" 2>/dev/null
if ! has "$out" "用法：Visitrail.exe [选项]"; then
  # A first start of Wine's console on a new prefix has been seen to show
  # nothing; what it showed is kept in the log and the start tried once more.
  echo "  (console run showed: $(head -c 300 "$out" | tr -d '\r' | tr '\n' ' ')— retrying once)" >&2
  LC_ALL=C.UTF-8 script -qec "wine '$exe' /?" /dev/null </dev/null >"$out" 2>/dev/null
fi
check "Visitrail on a console shows Chinese whatever the code page" has "$out" "用法：Visitrail.exe [选项]"

# ---- Help, version, argument errors -----------------------------------------
run /version
check "/version: exit 0" rc_is 0
check "/version names the version" has "$txt" "Visitrail 1.1.4"
check "/version: CR LF line ends" py 'import sys; d=open(sys.argv[1],"rb").read(); sys.exit(b"\r\n" not in d or b"\n" in d.replace(b"\r\n", b""))' "$out"
run /?
check "/?: exit 0" rc_is 0
check "/? prints the usage" has "$txt" "用法：Visitrail.exe [选项]"
run /help
check "/help prints the exit codes" has "$txt" "退出码"
run /bogus
check "unknown option: exit 1" rc_is 1
check "unknown option: message on standard error (the report's place stays clean)" has "$errtxt" "参数错误：未知选项：/bogus"
check "unknown option: standard output empty" py 'import os,sys; sys.exit(os.path.getsize(sys.argv[1]) != 0)' "$out"
run /days:x
check "bad /days: exit 1" rc_is 1
run /format:pdf
check "bad /format: exit 1" rc_is 1
run
check "no store at all: exit 2" rc_is 2

# ---- What ended runs left in the temporary folder ---------------------------
# Copies of a run that was ended before its clean-up (its process id no
# longer runs) go at the next start; those of a running process stay.
wtemp="$home/AppData/Local/Temp"
[ -d "$wtemp" ] || wtemp="$home/Temp"
rm -f "$work/live.pid"
wine 'C:\vt\platform_checks.exe' /sleep "Z:${work//\//\\}\\live.pid" </dev/null >/dev/null 2>&1 &
sleeper=$!
for _ in $(seq 1 100); do [ -s "$work/live.pid" ] && break; sleep 0.2; done
live="$(cat "$work/live.pid" 2>/dev/null)"
mkdir -p "$wtemp/vt_webcache_4000004_1/ese_work" "$wtemp/vt_webcache_${live:-0}_1"
printf 'history' >"$wtemp/vt_webcache_4000004_1/WebCacheV01.dat"
printf 'history' >"$wtemp/vt_db_4000004_-5.db"
printf 'history' >"$wtemp/vt_webcache_${live:-0}_1/WebCacheV01.dat"
run /version
check "leftovers of an ended run are removed at start" \
  test ! -e "$wtemp/vt_webcache_4000004_1" -a ! -e "$wtemp/vt_db_4000004_-5.db"
check "the folder of a running process stays (pid ${live:-none})" \
  test -n "$live" -a -f "$wtemp/vt_webcache_${live:-0}_1/WebCacheV01.dat"
kill "$sleeper" 2>/dev/null
wait "$sleeper" 2>/dev/null
rm -rf "$wtemp/vt_webcache_${live:-0}_1"

# ---- Stores in the prefix's user folder ----------------------------------------
chrome_db() {  # chrome_db FILE (url|title|unix seconds)...
  local db="$1"; shift
  mkdir -p "$(dirname "$db")"
  {
    echo "CREATE TABLE meta(key LONGVARCHAR NOT NULL UNIQUE PRIMARY KEY, value LONGVARCHAR);"
    echo "INSERT INTO meta VALUES('version','67');"
    echo "CREATE TABLE urls(id INTEGER PRIMARY KEY AUTOINCREMENT,url LONGVARCHAR,title LONGVARCHAR,visit_count INTEGER DEFAULT 0 NOT NULL,typed_count INTEGER DEFAULT 0 NOT NULL,last_visit_time INTEGER NOT NULL,hidden INTEGER DEFAULT 0 NOT NULL);"
    echo "CREATE TABLE visits(id INTEGER PRIMARY KEY AUTOINCREMENT,url INTEGER NOT NULL,visit_time INTEGER NOT NULL,from_visit INTEGER,transition INTEGER DEFAULT 0 NOT NULL,segment_id INTEGER,visit_duration INTEGER DEFAULT 0 NOT NULL);"
    local row url title t
    for row in "$@"; do
      IFS='|' read -r url title t <<<"$row"
      echo "INSERT INTO urls(url,title,last_visit_time) SELECT '$url','$title',0 WHERE NOT EXISTS (SELECT 1 FROM urls WHERE url='$url');"
      echo "UPDATE urls SET visit_count=visit_count+1 WHERE url='$url';"
      echo "INSERT INTO visits(url,visit_time,transition) SELECT id,($t+11644473600)*1000000,805306368 FROM urls WHERE url='$url';"
    done
  } | sqlite3 "$db"
}
firefox_db() {  # firefox_db FILE (url|title|unix seconds)...
  local db="$1"; shift
  mkdir -p "$(dirname "$db")"
  {
    echo "CREATE TABLE moz_places(id INTEGER PRIMARY KEY,url LONGVARCHAR,title LONGVARCHAR,rev_host LONGVARCHAR,visit_count INTEGER DEFAULT 0,hidden INTEGER DEFAULT 0 NOT NULL,typed INTEGER DEFAULT 0 NOT NULL,frecency INTEGER DEFAULT -1 NOT NULL,last_visit_date INTEGER,guid TEXT);"
    echo "CREATE TABLE moz_historyvisits(id INTEGER PRIMARY KEY,from_visit INTEGER,place_id INTEGER,visit_date INTEGER,visit_type INTEGER,session INTEGER);"
    local row url title t
    for row in "$@"; do
      IFS='|' read -r url title t <<<"$row"
      echo "INSERT INTO moz_places(url,title,visit_count) SELECT '$url','$title',0 WHERE NOT EXISTS (SELECT 1 FROM moz_places WHERE url='$url');"
      echo "UPDATE moz_places SET visit_count=visit_count+1 WHERE url='$url';"
      echo "INSERT INTO moz_historyvisits(place_id,visit_date,visit_type) SELECT id,$t*1000000,1 FROM moz_places WHERE url='$url';"
    done
  } | sqlite3 "$db"
}
chrome_db "$home/AppData/Local/Google/Chrome/User Data/Default/History" \
  "https://www.example.com/a?q=1|示例页面|1767945600" \
  "https://news.example.org/today|News today|1768035600" \
  "https://www.example.com/a?q=1|示例页面|1768040000"
mkdir -p "$home/AppData/Roaming/Mozilla/Firefox"
printf '[General]\r\nStartWithLastProfile=1\r\n\r\n[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=Profiles/k3x9.default\r\nDefault=1\r\n' \
  >"$home/AppData/Roaming/Mozilla/Firefox/profiles.ini"
firefox_db "$home/AppData/Roaming/Mozilla/Firefox/Profiles/k3x9.default/places.sqlite" \
  "https://developer.mozilla.org/zh-CN/|MDN 文档|1768000000" \
  "https://www.wikipedia.org/|Wikipedia|1768010000"

# ---- JSON and HTML reports ----------------------------------------------------
run /format:json "/out:$winhome\\报告\\r.json" '/title:周报 <1>'
check "JSON report: exit 0" rc_is 0
report="$home/报告/r.json"
check "JSON report written under a Chinese folder name" test -s "$report"
check "JSON report parses" json_ok "$report"
check "JSON report content" py '
import json, sys
r = json.load(open(sys.argv[1], encoding="utf-8"))
assert r["tool"] == "Visitrail" and r["title"] == "周报 <1>", r["title"]
assert r["stats"]["total"] == 5 and r["shown"] == 5, r["stats"]
urls = [v["url"] for v in r["records"]]
assert urls.count("https://www.example.com/a?q=1") == 2, urls
assert "https://developer.mozilla.org/zh-CN/" in urls
ts = [v["ts"] for v in r["records"]]
assert ts == sorted(ts, reverse=True), ts
assert any(v["title"] == "示例页面" and v["profile"] == sys.argv[2] + "\\Default" for v in r["records"])
assert any(v["title"] == "MDN 文档" and v["profile"] == sys.argv[2] + "\\k3x9.default" for v in r["records"])
states = sorted((s["name"], s["state"], s["count"]) for s in r["sources"])
assert sorted(s[1:] for s in states) == [("ok", 2), ("ok", 3)], states
' "$report" "$user"
check "result line names the report" has "$txt" "报告已生成：$winhome\\报告\\r.json"

TZ=Asia/Shanghai run "/out:$winhome\\out\\" /title:Weekly
check "HTML report: exit 0" rc_is 0
html="$(ls "$home"/out/Visitrail_Report_*.html 2>/dev/null | head -n 1)"
check "HTML report named Visitrail_Report_<time>.html in the folder" test -n "$html"
html="${html:-/nonexistent}"
check "HTML page comes from the embedded template" has "$html" "<title>Weekly"
check "HTML placeholders all filled" py 'import sys; d=open(sys.argv[1],encoding="utf-8").read(); sys.exit(any(p in d for p in ("__DATA__","__TITLE__","__COMPANY__","__HOMEPAGE__")))' "$html"
check "HTML holds the visits in UTF-8" has "$html" "示例页面"
check "HTML holds the Firefox visit" has "$html" "developer.mozilla.org"
check "HTML shows local time (UTC+8)" has "$html" "2026-01-09 16:00:00"

# ---- Report and source list to standard output --------------------------------
LC_ALL=zh_CN.UTF-8 wine "$exe" /format:json </dev/null 2>/dev/null | cat >"$work/pipe.json"
check "JSON report to a pipe is raw UTF-8" json_ok "$work/pipe.json"
check "JSON report to a pipe holds Chinese as UTF-8" has "$work/pipe.json" "MDN 文档"
run /list /format:json
cp "$out" "$work/file-list.json"
check "/list /format:json to a file: exit 0" rc_is 0
check "/list /format:json to a file is raw UTF-8 JSON" json_ok "$work/file-list.json"
LC_ALL=zh_CN.UTF-8 wine "$exe" /list /format:json </dev/null 2>/dev/null | cat >"$work/pipe-list.json"
check "/list /format:json to a pipe is raw UTF-8 JSON" json_ok "$work/pipe-list.json"
check "/list JSON: both sources" py '
import json, sys
for f in sys.argv[1:]:
    s = json.load(open(f, encoding="utf-8"))["sources"]
    assert sorted(x["count"] for x in s) == [2, 3], s
' "$work/file-list.json" "$work/pipe-list.json"
check "/list JSON ends without a line break" py 'import sys; sys.exit(open(sys.argv[1],"rb").read().endswith(b"\n"))' "$work/pipe-list.json"
run /list
check "/list table: exit 0" rc_is 0
check "/list table lists Chrome" grep -q "Chrome.*$user\\\\Default" "$txt"
check "/list table lists Firefox" grep -q "Firefox.*$user\\\\k3x9.default" "$txt"
LC_ALL=zh_CN.UTF-8 wine "$exe" /list </dev/null 2>/dev/null | cat >"$work/pipe-list.txt"
check "/list table to a pipe equals the file output" cmp -s "$work/pipe-list.txt" "$out"

# ---- /user:all over the registry's profile list ---------------------------
pl='HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\ProfileList'
reg_add() { wine reg add "$@" /f </dev/null >/dev/null 2>&1; }
reg_add "$pl\\S-1-5-21-1-2-3-1001" /v ProfileImagePath /t REG_EXPAND_SZ /d '%SystemDrive%\users\bob'
reg_add "$pl\\S-1-5-18" /v ProfileImagePath /t REG_EXPAND_SZ /d '%systemroot%\system32\config\systemprofile'
reg_add "$pl\\S-1-5-21-1-2-3-1002" /v ProfileImagePath /t REG_SZ /d 'C:\users\Public'
reg_add "$pl\\S-1-5-21-1-2-3-1003" /v ProfileImagePath /t REG_DWORD /d 7
reg_add "$pl\\S-1-5-21-1-2-3-1004" /v ProfileImagePath /t REG_SZ /d "C:\\USERS\\${user^^}\\"
mkdir -p "$drive/windows/system32/config/systemprofile" "$drive/users/Public"
chrome_db "$drive/users/bob/AppData/Local/Google/Chrome/User Data/Profile 1/History" \
  "https://bob.example.net/|Bob page|1768020000"
chrome_db "$drive/users/Public/AppData/Local/Google/Chrome/User Data/Default/History" \
  "https://public.example.net/|Public|1768020000"
run /user:all /list
check "/user:all: exit 0" rc_is 0
check "/user:all: bob's profile read" grep -q 'bob\\Profile 1' "$txt"
check "/user:all: Public skipped" hasnt "$txt" 'Public\'
run /user:all /format:json "/out:$winhome\\all.json"
check "/user:all JSON: exit 0" rc_is 0
check "/user:all: scope counts the running user and bob only" has "$txt" "扫描范围：全部用户（2 个配置）"
check "/user:all JSON: six visits of two users" py '
import json, sys
r = json.load(open(sys.argv[1], encoding="utf-8"))
assert r["stats"]["total"] == 6, r["stats"]
assert sorted({v["profile"].split("\\")[0] for v in r["records"]}) == sorted(["bob", sys.argv[2]])
' "$home/all.json" "$user"
run /list
check "/user:current ignores the registry" hasnt "$txt" 'bob\'

# ---- IE / legacy Edge through libesedb -----------------------------------------
sample="$root/tests/samples/WebCacheV01_dirty.dat.gz"
webcache="$home/AppData/Local/Microsoft/Windows/WebCache"
zhang="$drive/users/张三"
mkdir -p "$webcache" "$zhang/AppData/Local/Microsoft/Windows/WebCache"
if [ -f "$sample" ]; then
  gzip -dc "$sample" >"$webcache/WebCacheV01.dat"
  cp "$webcache/WebCacheV01.dat" "$zhang/AppData/Local/Microsoft/Windows/WebCache/"
  printf 'log' >"$webcache/V01.log"
  run /src:ie,chrome /format:json "/out:$winhome\\ie.json"
  check "IE and Chrome: exit 0" rc_is 0
  check "IE: the dirty WebCache read end to end (27 visits), Chrome beside it" py '
import json, sys
r = json.load(open(sys.argv[1], encoding="utf-8"))
ie = [s for s in r["sources"] if s["path"].endswith("WebCacheV01.dat")]
assert len(ie) == 1 and ie[0]["state"] == "ok" and ie[0]["count"] == 27, ie
assert r["stats"]["total"] == 30, r["stats"]
assert sum(1 for v in r["records"] if v["profile"] == sys.argv[2] + "\\WebCache") == 27
' "$home/ie.json" "$user"

  LC_ALL=zh_CN.UTF-8 wine reg add "$pl\\S-1-5-21-1-2-3-1005" /v ProfileImagePath /t REG_SZ \
    /d 'C:\users\张三' /f </dev/null >/dev/null 2>&1
  run /user:all /src:ie /format:json "/out:$winhome\\ie-all.json"
  check "IE of every user: exit 0" rc_is 0
  zhang_27='
import json, sys
r = json.load(open(sys.argv[1], encoding="utf-8"))
z = [s for s in r["sources"] if s["profile"] == "张三\\WebCache"]
assert len(z) == 1 and z[0]["state"] == "ok" and z[0]["count"] == 27, r["sources"]
assert sum(1 for v in r["records"] if v["profile"] == "张三\\WebCache") == 27
'
  check "IE: the WebCache of a user folder named 张三 (27 visits)" py "$zhang_27" "$home/ie-all.json"
  LC_ALL=en_US.UTF-8 wine "$exe" /user:all /src:ie /format:json "/out:$winhome\\ie-1252.json" \
    </dev/null >/dev/null 2>&1
  check "IE: the same under a Western code page (1252)" py "$zhang_27" "$home/ie-1252.json"

  # A TEMP longer than MAX_PATH: snapshots, the worker and its result file
  # all live there.
  long1="$(printf 'x%.0s' $(seq 1 150))" long2="$(printf 'y%.0s' $(seq 1 150))"
  longtemp="C:\\vt\\$long1\\$long2"
  mkdir -p "$drive/vt/$long1/$long2"
  printf '@set TEMP=%s\r\n@set TMP=%s\r\n@C:\\vt\\Visitrail.exe /src:ie,chrome /format:json /out:C:\\vt\\longtemp.json\r\n' \
    "$longtemp" "$longtemp" >"$drive/vt/longtemp.bat"
  LC_ALL=zh_CN.UTF-8 wine cmd /c 'C:\vt\longtemp.bat' </dev/null >"$out" 2>"$err"
  check "a TEMP longer than MAX_PATH: IE and Chrome still read" py '
import json, sys
r = json.load(open(sys.argv[1], encoding="utf-8"))
assert sorted((s["state"], s["count"]) for s in r["sources"]) == [("ok", 3), ("ok", 27)], r["sources"]
' "$drive/vt/longtemp.json"
  check "nothing of ours left in the long TEMP" \
    test -z "$(ls -A "$drive/vt/$long1/$long2")"
else
  # The sample is part of the checks: without it the IE reader goes untested.
  check "IE end to end: the WebCache sample exists ($sample)" false
fi

# The system holds the WebCache open without sharing while its user is
# logged on: both copies fail, and no shadow copy can be had under Wine.
[ -f "$webcache/WebCacheV01.dat" ] || head -c 65536 /dev/zero >"$webcache/WebCacheV01.dat"
rm -f "$work/held"
wine 'C:\vt\platform_checks.exe' /hold "$winhome\\AppData\\Local\\Microsoft\\Windows\\WebCache\\WebCacheV01.dat" \
  "Z:${work//\//\\}\\held" </dev/null >/dev/null 2>&1 &
holder=$!
for _ in $(seq 1 100); do [ -f "$work/held" ] && break; sleep 0.2; done
run /src:ie,chrome /format:json "/out:$winhome\\held.json"
rm -f "$work/held"
wait "$holder" 2>/dev/null
check "held WebCache: the run goes on (exit 0)" rc_is 0
check "held WebCache: 数据库被占用 with its reason, Chrome still read" py '
import json, sys
r = json.load(open(sys.argv[1], encoding="utf-8"))
ie = [s for s in r["sources"] if s["path"].endswith("WebCacheV01.dat")]
assert len(ie) == 1 and ie[0]["state"] == "locked" and ie[0]["count"] == 0, ie
assert ie[0]["msg"].startswith("WebCache 库文件正被其他进程占用"), ie[0]["msg"]
print("  held WebCache:", ie[0]["msg"])
ch = [s for s in r["sources"] if s["path"].endswith("History")]
assert len(ch) == 1 and ch[0]["state"] == "ok" and ch[0]["count"] == 3, ch
' "$home/held.json"

# A Chrome store held open without sharing with its log beside it: the
# database and its log must come from one shadow copy, which Wine cannot
# make; the store is reported with the system's reason, the run goes on.
held_profile="$home/AppData/Local/Google/Chrome/User Data/Profile 9"
chrome_db "$held_profile/History" "https://held.example.com/|Held|1768030000"
printf 'log' >"$held_profile/History-wal"
rm -f "$work/held"
wine 'C:\vt\platform_checks.exe' /hold \
  "$winhome\\AppData\\Local\\Google\\Chrome\\User Data\\Profile 9\\History" \
  "Z:${work//\//\\}\\held" </dev/null >/dev/null 2>&1 &
holder=$!
for _ in $(seq 1 100); do [ -f "$work/held" ] && break; sleep 0.2; done
started=$SECONDS
run /src:chrome /format:json "/out:$winhome\\held-wal.json"
took=$((SECONDS - started))
rm -f "$work/held"
wait "$holder" 2>/dev/null
check "held Chrome store with its log: the run goes on (exit 0)" rc_is 0
check "held Chrome store with its log: answered promptly (${took} s)" test "$took" -lt 60
check "held Chrome store with its log: 数据库被占用 with the system's reason, Default still read" py '
import json, sys
r = json.load(open(sys.argv[1], encoding="utf-8"))
held = [s for s in r["sources"] if s["profile"].endswith("Profile 9")]
assert len(held) == 1 and held[0]["state"] == "locked" and held[0]["count"] == 0, held
msg = held[0]["msg"]
prefix = "文件正被其他进程占用，无法通过卷影副本读取："
elevated = msg.startswith(prefix)
assert elevated or msg == "文件正被其他进程占用且不允许共享读取；以管理员身份运行时将通过卷影副本读取", msg
assert not elevated or len(msg) > len(prefix), msg
print("  held Chrome store:", msg)
ok = [s for s in r["sources"] if s["profile"].endswith("Default")]
assert len(ok) == 1 and ok[0]["state"] == "ok" and ok[0]["count"] == 3, ok
' "$home/held-wal.json"
rm -rf "$held_profile"

# ---- Command line, run log, executable ------------------------------------------
# A batch file hands the line to the program as written: the backslash before
# the closing quote stays, and /format:json stays an option of its own.
printf '@C:\\vt\\Visitrail.exe /src:chrome /out:"C:\\reports dir\\" /format:json\r\n' >"$drive/vt/outdir.bat"
LC_ALL=zh_CN.UTF-8 wine cmd /c 'C:\vt\outdir.bat' </dev/null >"$out" 2>"$err"
report="$(ls "$drive/reports dir/"Visitrail_Report_*.json 2>/dev/null | head -n 1)"
check '/out:"C:\reports dir\" /format:json writes JSON into that folder' json_ok "${report:-/nonexistent}"

run /src:chrome /format:json "/out:$winhome\\log.json" '/log:C:\vt\run.log'
check "run log lines in the ANSI code page (936) with CR LF" py '
import sys
d = open(sys.argv[1], "rb").read()
t = d.decode("gbk")
assert "[信息] " in t and d.count(b"\r\n") >= 2 and b"\n" not in d.replace(b"\r\n", b""), d[:200]
' "$drive/vt/run.log"

imports="$(x86_64-w64-mingw32-objdump -p "$built" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')"
check "the executable imports only system DLLs ($imports)" \
  test "$imports" = "advapi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll "
# The manifest as the system finds it: the executable's RT_MANIFEST
# resource 1, read through the resource API, each setting in its place.
wine 'C:\vt\platform_checks.exe' /manifest 'C:\vt\Visitrail.exe' </dev/null >"$work/manifest.xml" 2>/dev/null
check "the embedded manifest: asInvoker without UI access, long paths, Windows 7, 8, 8.1 and 10/11" py '
import sys, xml.etree.ElementTree as ET
root = ET.fromstring(open(sys.argv[1], "rb").read())
v1, v3 = "{urn:schemas-microsoft-com:asm.v1}", "{urn:schemas-microsoft-com:asm.v3}"
compat = "{urn:schemas-microsoft-com:compatibility.v1}"
ws = "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}"
level = root.find(f"{v3}trustInfo/{v3}security/{v3}requestedPrivileges/{v3}requestedExecutionLevel")
assert level is not None and level.get("level") == "asInvoker" and level.get("uiAccess") == "false", level
ids = {e.get("Id") for e in root.findall(f"{compat}compatibility/{compat}application/{compat}supportedOS")}
assert ids == {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
               "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}, ids
lp = root.find(f"{v3}application/{v3}windowsSettings/{ws}longPathAware")
assert lp is not None and lp.text.strip() == "true", lp
ident = root.find(f"{v1}assemblyIdentity")
assert ident is not None and ident.get("processorArchitecture") == "amd64", ident
' "$work/manifest.xml"
check "the executable carries version information 1.1.4" \
  py 'import sys; d=open(sys.argv[1],"rb").read(); sys.exit(not ("ProductVersion".encode("utf-16-le") in d and "1.1.4".encode("utf-16-le") in d))' "$built"

check "the temporary folder holds nothing of ours afterwards" \
  test -z "$(ls -d "$home"/Temp/vt_* "$home"/AppData/Local/Temp/vt_* 2>/dev/null)"

echo "$pass passed, $fail failed, $skipped skipped"
[ "$fail" = 0 ]
