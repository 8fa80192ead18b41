#!/usr/bin/env bash
# Renders a gallery written by pixmaro-batch in headless Chromium and checks that every
# thumbnail image loaded. Exits 77 (skipped) when Chromium is not installed.
set -euo pipefail
batch=$1
samples=$2
source "$(dirname "$0")/FindBrowser.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/photos/thumbs"
cp "$samples"/* "$work/photos/"
"$batch" thumbnails -i "$work/photos" -o "$work/photos/thumbs" --keep-ratio --quiet \
  --html "$work/photos/thumbs/MyWeb.htm" >/dev/null

"$(dirname "$0")/ImagesLoaded.sh" "$browser" "$work/photos/thumbs/MyWeb.htm" "$work"
