#!/usr/bin/env bash
# identity.sh OLD NEW [CORPUS] -- runs two builds of pixmaro-batch over the same JPEG folder with
# the same jobs and compares every output byte for byte.
#
# OLD, NEW: pixmaro-batch executables (e.g. one built from main and this tree's build/).
# CORPUS:   a folder of *.jpg, or the root made by make-corpus.sh (default /tmp/pixmaro-corpus).
# Jobs: thumbnails at 96 px (quality and fast; JPEG, GIF and BMP targets), thumbnails forced to
# 300 px wide and stretched to 96 x 96, and conversions of a few files to JPEG, BMP and GIF.
# Outputs of OLD are cached in $CACHE (default /tmp/pixmaro-identity-old) per job, keyed by the
# OLD executable's checksum, so a second comparison only runs NEW.
# Exit status 0 when every output is identical, 1 otherwise.
set -euo pipefail
export LC_ALL=C QT_QPA_PLATFORM=offscreen
OLD=$(realpath "$1") NEW=$(realpath "$2")
C=${3:-/tmp/pixmaro-corpus}
[ -d "$C/jpeg" ] && C=$C/jpeg
CACHE=${CACHE:-/tmp/pixmaro-identity-old}/$(sha256sum "$OLD" | cut -c1-12)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$CACHE"

# A few files of each kind for the slower conversions: baseline 4:2:0, 4:2:2, progressive, grey.
SOME=(ColdRipple.jpg cam95-Wine.jpg prog-Path.jpg grey-Storm.jpg Aqua.jpg)

run_job() { # BIN OUTDIR ARGS...
  local bin=$1 out=$2
  shift 2
  mkdir -p "$out"
  "$bin" "$@" --quiet -i "$C" -o "$out" >/dev/null 2>&1 || echo "exit $? from $*" >"$out.status"
}

fail=0
job() { # NAME ARGS...
  local name=$1
  shift
  if [ ! -d "$CACHE/$name" ]; then
    run_job "$OLD" "$CACHE/$name.tmp" "$@"
    [ -f "$CACHE/$name.tmp.status" ] && mv "$CACHE/$name.tmp.status" "$CACHE/$name.status"
    mv "$CACHE/$name.tmp" "$CACHE/$name"
  fi
  run_job "$NEW" "$WORK/$name" "$@"
  local n
  n=$(find "$CACHE/$name" -type f | wc -l)
  if diff -r -q "$CACHE/$name" "$WORK/$name" >"$WORK/diff" \
      && cmp -s <(cat "$CACHE/$name.status" 2>/dev/null) <(cat "$WORK/$name.status" 2>/dev/null); then
    echo "identical  $name ($n files)"
  else
    echo "DIFFERENT  $name"; head -5 "$WORK/diff"; fail=1
  fi
}

job thumb-quality-jpg thumbnails --keep-ratio -W 96 --speed Quality -t jpg
job thumb-fast-jpg thumbnails --keep-ratio -W 96 --speed Fast -t jpg
job thumb-quality-gif thumbnails --keep-ratio -W 96 --speed Quality -t gif
job thumb-fast-bmp thumbnails --keep-ratio -W 96 --speed Fast -t bmp
job thumb-quality-300w thumbnails --keep-ratio --force-width -W 300 --speed Quality -t jpg
job thumb-stretch-96 thumbnails -W 96 -H 96 --speed Quality -t bmp
job thumb-fast-stretch-7x500 thumbnails -W 7 -H 500 --speed Fast -t bmp
job convert-jpg copy -t jpg "${SOME[@]}"
job convert-bmp copy -t bmp "${SOME[@]}"
job convert-gif copy -t gif "${SOME[@]:0:3}"
exit $fail
