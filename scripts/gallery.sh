#!/usr/bin/env bash
# Draws every screen of the program, in English and German, into
# OUTDIR/en/<Screen>.png and OUTDIR/de/<Screen>.png, and the main window also
# in French, Italian, Spanish and the simplified-Chinese edition (OUTDIR/fr,
# it, es, zh_CN), from demo monitors made and downloaded afresh into a
# throw-away data directory.
set -euo pipefail
out=${1:?usage: scripts/gallery.sh OUTDIR}
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VITACOR_BUILD_DIR:-$top/build}
VITACOR_BUILD_TARGETS="vitacor-cli vitacor-gallery" "$top/scripts/build.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The user's own configuration and data stay untouched.
export XDG_DATA_HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
export QT_QPA_PLATFORM=offscreen
# Multi-tests are downloaded by the simplified-Chinese edition only.
mkdir -p "$work/home/VitacorBrowser"
printf '[General]\nlanguage=2\nfirstStart=false\n' >"$work/home/VitacorBrowser/config.ini"
# One monitor of every model whose checks have a row of their own.
"$build/bin/vitacor-cli" make-demo "$work/bus" --models 0,2,5,19,53,54 >/dev/null
if ! "$build/bin/vitacor-cli" --data-dir "$work/data" --emulate "$work/bus" download >"$work/download.log" 2>&1; then
  cat "$work/download.log" >&2
  exit 1
fi
mkdir -p "$out"
"$build/bin/vitacor-gallery" --data-dir "$work/data" --bus "$work/bus" "$out"
