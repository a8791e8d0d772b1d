#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# Usage: scripts/deps.sh [build|test|fuzz]
set -euo pipefail
want=(build-essential cmake pkg-config libsqlite3-dev libesedb-dev libbfio-dev)
if [ "${1:-build}" = test ]; then
  want+=(libgtest-dev sqlite3 nodejs chromium fonts-wqy-microhei time)
fi
if [ "${1:-build}" = test ] || [ "${1:-build}" = fuzz ]; then
  want+=(clang libclang-rt-14-dev)
fi
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
