#!/usr/bin/env bash
# thumb-one.sh BATCH IN OUT [OPTION...] -- one 96-px JPEG thumbnail of IN written as OUT by the
# pixmaro-batch executable BATCH, for the single-file (peak memory) column of anchors.sh:
#   EXTRA_SINGLE='bench/thumb-one.sh build/pixmaro-batch {} {o}'
set -euo pipefail
batch=$1 in=$2 out=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The run names its output after the job (Thumb001.jpg); it is moved to the name asked for.
"$batch" thumbnails --quiet --keep-ratio -W 96 -t jpg "$@" -i "$(dirname "$in")" -o "$work" \
  "$(basename "$in")"
mv "$work"/*.jpg "$out"
