#!/usr/bin/env bash
# Builds a static libesedb for 64-bit Windows with MinGW-w64 from Debian's
# libesedb source package: the orig tarball bundles every library it needs
# (libbfio, libcfile, libuna, ...). The source comes through the ordinary apt
# client with a private sources list, so the machine's apt settings stay as
# they are, and the tarball is checked against a pinned hash. The result is
# kept under the given folder; a second call finds it and returns at once.
# Usage: scripts/build-libesedb-windows.sh DEPS_DIR
# The last line printed is the install prefix (include/ and lib/).
set -euo pipefail
deps="${1:?usage: $0 DEPS_DIR}"

ESEDB_SOURCE=libesedb
ESEDB_VERSION=20181229-3.1
ESEDB_ORIG=libesedb_20181229.orig.tar.gz
ESEDB_ORIG_SHA256=fa84b43179755241003f5b76a5193c2c1793a36f4566ed09ff564deaff5b7e63
ESEDB_DIR=libesedb-20181229

# UNICODE makes the libraries' own strings wide: file names then reach
# CreateFileW as given (any character, and the "\\?\" form of long paths)
# instead of passing through the ANSI code page and CreateFileA.
ESEDB_CFLAGS="-O2 -DUNICODE -D_UNICODE"
build_id="$ESEDB_VERSION $ESEDB_ORIG_SHA256 $ESEDB_CFLAGS"

prefix="$deps/libesedb-mingw"
if [ -f "$prefix/lib/libesedb.a" ] && [ -f "$prefix/include/libesedb.h" ] &&
   [ "$(cat "$prefix/build-id" 2>/dev/null)" = "$build_id" ]; then
  echo "$prefix"
  exit 0
fi
mkdir -p "$deps"

# ---- Source package ---------------------------------------------------------
apt_dir="$deps/apt-src"
if [ ! -f "$apt_dir/$ESEDB_ORIG" ]; then
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/parts" "$apt_dir/cache/archives/partial"
  # The deb-src entry names the archive the machine already installs
  # libesedb from, so no mirror is written down here.
  origin="$(apt-cache policy libesedb-dev libesedb1 2>/dev/null |
    awk '$1 ~ /^[0-9]+$/ && $2 ~ /:\/\// { print $2, $3; exit }')"
  if [ -z "$origin" ]; then
    apt-get update -qq >&2 || true
    origin="$(apt-cache policy libesedb-dev libesedb1 |
      awk '$1 ~ /^[0-9]+$/ && $2 ~ /:\/\// { print $2, $3; exit }')"
  fi
  [ -n "$origin" ] || { echo "no archive carries libesedb (apt-cache policy)" >&2; exit 1; }
  uri="${origin%% *}"
  suite="${origin#* }"; component="${suite#*/}"; suite="${suite%%/*}"
  keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  echo "deb-src [signed-by=$keyring] $uri $suite $component" >"$apt_dir/sources.list"
  apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/parts"
            -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
            -o "APT::Sandbox::User=root")
  echo "Fetching the $ESEDB_SOURCE $ESEDB_VERSION source package" >&2
  apt-get "${apt_opts[@]}" update -qq >&2
  (cd "$apt_dir" && apt-get "${apt_opts[@]}" source --download-only -qq \
    "$ESEDB_SOURCE=$ESEDB_VERSION" >&2)
fi
echo "$ESEDB_ORIG_SHA256  $apt_dir/$ESEDB_ORIG" | sha256sum -c --quiet - >&2 ||
  { echo "checksum mismatch: $apt_dir/$ESEDB_ORIG" >&2; rm -f "$apt_dir/$ESEDB_ORIG"; exit 1; }

# ---- Static MinGW-w64 build ---------------------------------------------------
# Only the library and the libraries it bundles are built; the command-line
# tools and Python bindings are not needed. Multi-threading support is off:
# the worker reads on one thread, and its header would be looked up under a
# name that differs only in letter case from MinGW-w64's.
src="$deps/$ESEDB_DIR"
rm -rf "$src" "$prefix"
tar -xzf "$apt_dir/$ESEDB_ORIG" -C "$deps"
(
  cd "$src"
  ./configure --host=x86_64-w64-mingw32 --prefix="$prefix" \
    --enable-static --disable-shared --disable-multi-threading-support \
    --enable-wide-character-type --disable-nls --disable-dependency-tracking \
    --without-libiconv-prefix --without-libintl-prefix CFLAGS="$ESEDB_CFLAGS" >&2
  make -C include >&2
  make -C common >&2
  for d in libcerror libcdata libclocale libcnotify libcsplit libuna libcfile libcpath libbfio \
           libfcache libfdata libfdatetime libfguid libfvalue libfwnt libesedb; do
    make -C "$d" -j"$(nproc)" >&2
  done
  make -C include install >&2
  make -C libesedb install >&2
)
rm -rf "$src"
[ -f "$prefix/lib/libesedb.a" ] || { echo "libesedb build left no library" >&2; exit 1; }
echo "$build_id" >"$prefix/build-id"
echo "$prefix"
