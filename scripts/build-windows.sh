#!/usr/bin/env bash
# Cross-builds Visitrail.exe for 64-bit Windows with MinGW-w64, installing the
# cross compiler when it is missing. SQLite is compiled from the unmodified
# upstream amalgamation, taken from the npm package sqlite3 (which carries
# the upstream sqlite-autoconf tarball) and checked against a pinned hash;
# libesedb is built statically from Debian's source package
# (scripts/build-libesedb-windows.sh). Both are kept under the build folder.
# Usage: scripts/build-windows.sh [cmake targets...]   (default: Visitrail)
# The last line printed is the path of Visitrail.exe.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VT_WINDOWS_BUILD:-$root/build-windows}"
deps="$build/deps"

SQLITE_NPM=sqlite3@6.0.1
SQLITE_NPM_TGZ=sqlite3-6.0.1.tgz
SQLITE_NPM_SHA256=ab8d044a93e05bd031d7ea75547c7fa60387cdc259d27f93c0e3e2832c4b1df9
SQLITE_TARBALL=package/deps/sqlite-autoconf-3520000.tar.gz
SQLITE_TARBALL_SHA256=f6b50b0c103392af32a8be15b2b9d25959de9a00a70c3979128aafeaa5338b3f
sqlite_dir="$deps/sqlite-autoconf-3520000"

"$root/scripts/deps.sh" windows || exit 1

if [ ! -f "$sqlite_dir/sqlite3.c" ] || [ ! -f "$sqlite_dir/sqlite3.h" ]; then
  mkdir -p "$deps"
  if [ ! -f "$deps/$SQLITE_NPM_TGZ" ]; then
    echo "Fetching $SQLITE_NPM from the npm registry" >&2
    (cd "$deps" && npm pack "$SQLITE_NPM" --silent >/dev/null)
  fi
  echo "$SQLITE_NPM_SHA256  $deps/$SQLITE_NPM_TGZ" | sha256sum -c --quiet - >&2 ||
    { echo "checksum mismatch: $deps/$SQLITE_NPM_TGZ" >&2; rm -f "$deps/$SQLITE_NPM_TGZ"; exit 1; }
  tmp="$(mktemp -d "$deps/unpack.XXXXXX")"
  tar -xzf "$deps/$SQLITE_NPM_TGZ" -C "$tmp" "$SQLITE_TARBALL"
  echo "$SQLITE_TARBALL_SHA256  $tmp/$SQLITE_TARBALL" | sha256sum -c --quiet - >&2 ||
    { echo "checksum mismatch: $SQLITE_TARBALL" >&2; rm -rf "$tmp"; exit 1; }
  tar -xzf "$tmp/$SQLITE_TARBALL" -C "$deps" \
    sqlite-autoconf-3520000/sqlite3.c sqlite-autoconf-3520000/sqlite3.h
  rm -rf "$tmp"
fi

esedb_prefix="$("$root/scripts/build-libesedb-windows.sh" "$deps" | tail -n 1)"

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(Visitrail)
cmake -S "$root" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE="${VT_WINDOWS_BUILD_TYPE:-Release}" \
  -DVT_BUILD_TESTS=OFF -DVT_BUNDLED_SQLITE="$sqlite_dir" \
  -DVT_ESEDB_PREFIX="$esedb_prefix" >&2
cmake --build "$build" --target "${targets[@]}" -j"$(nproc)" >&2
echo "$build/Visitrail.exe"
