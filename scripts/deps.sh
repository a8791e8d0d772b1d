#!/usr/bin/env bash
# Installs the Debian packages a task needs, when missing.
# Usage: scripts/deps.sh [build|test|fuzz|windows|wine]
set -euo pipefail
mode="${1:-build}"
build=(build-essential cmake pkg-config libsqlite3-dev libesedb-dev libbfio-dev)
case "$mode" in
  build) want=("${build[@]}") ;;
  test)
    want=("${build[@]}" libgtest-dev sqlite3 nodejs chromium firefox-esr fonts-wqy-microhei time
          clang libclang-rt-14-dev clickhouse-server clickhouse-client python3)
    command -v npm >/dev/null 2>&1 || want+=(npm) ;;
  fuzz) want=(cmake clang libclang-rt-14-dev libsqlite3-dev libesedb-dev libbfio-dev) ;;
  windows)
    want=(g++-mingw-w64-x86-64 cmake make)
    command -v npm >/dev/null 2>&1 || want+=(npm) ;;
  wine) want=(wine wine64 sqlite3 python3 locales) ;;
  *) echo "usage: $0 [build|test|fuzz|windows|wine]" >&2; exit 2 ;;
esac
missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi
